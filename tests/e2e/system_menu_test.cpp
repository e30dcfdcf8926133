// The system menu by keyboard: the window logic's commands, "always on top"
// switched off, and a place and size remembered from one run to the next.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "control_state.h"
#include "file_bytes.h"
#include "newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

constexpr wchar_t kOptionsFile[] = L"Vorenta.ini";
constexpr wchar_t kMenuClass[] = L"#32768";

bool IsTopmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool MenuIsOpen(DWORD process_id) {
  for (HWND menu = FindWindowW(kMenuClass, nullptr); menu;
       menu = FindWindowExW(nullptr, menu, kMenuClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    if (owner == process_id && IsWindowVisible(menu)) return true;
  }
  return false;
}

// Alt+Space, then the entry's letter.
void RunFromSystemMenu(const VorentaSession& vorenta, WORD letter) {
  PressKey(VK_SPACE, kAlt);
  ASSERT_TRUE(WaitUntil([&] { return MenuIsOpen(vorenta.process_id()); }));
  PressKey(letter);
  ASSERT_TRUE(WaitUntil([&] { return !MenuIsOpen(vorenta.process_id()); }));
}

TEST(SystemMenu, OpensTheKeywordPanelAndCopiesTheSelectedLines) {
  VorentaSession vorenta;
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  RunFromSystemMenu(vorenta, 'K');
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordList)) != FALSE; }));

  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));
  Click(ListItemPoint(pane, 1));
  Click(ListItemPoint(pane, 2), MouseButton::kLeft, kShift);
  RunFromSystemMenu(vorenta, 'L');
  EXPECT_TRUE(WaitUntil(
      [&] { return ClipboardText() == kNewsletterLines[1] + u"\r\n" + kNewsletterLines[2]; }));
}

TEST(WindowOptions, AlwaysOnTopSwitchedOffInTheSystemMenuStaysOffAfterARestart) {
  VorentaSession vorenta;
  ASSERT_TRUE(IsTopmost(vorenta.window()));
  ASSERT_TRUE(vorenta.BringToFront());

  RunFromSystemMenu(vorenta, 'T');
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(vorenta.window()); }));
  // The style is seen from here before the handler has saved the choice.
  std::optional<std::string> options;
  EXPECT_TRUE(WaitUntil([&] {
    options = ReadFileBytes(vorenta.PathOf(kOptionsFile));
    return options && options->find("AlwaysOnTop=0") != std::string::npos;
  })) << options.value_or("(no options file)");

  vorenta.Restart();
  PumpFor(std::chrono::milliseconds(300));
  EXPECT_FALSE(IsTopmost(vorenta.window()));
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsBeingMoved(HWND window) {
  const std::optional<GUITHREADINFO> gui = GuiThreadOf(window);
  return gui && (gui->flags & GUI_INMOVESIZE) != 0;
}

// Drags the window by its caption bar. Returns once the move loop has ended:
// Wine's loop swallows a WM_QUIT, so a close that arrives during it would
// leave the program running without a window.
void DragCaption(HWND window, POINT by) {
  const RECT rect = WindowRect(window);
  const POINT grip{(rect.left + rect.right) / 2, rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
  ASSERT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION);
  MoveMouse(grip);
  ButtonDown(MouseButton::kLeft);
  ASSERT_TRUE(WaitUntil([&] { return IsBeingMoved(window); }));
  GlideMouse(grip, POINT{grip.x + by.x, grip.y + by.y}, 10);
  ASSERT_TRUE(WaitUntil([&] { return WindowRect(window).left == rect.left + by.x; }));
  ButtonUp(MouseButton::kLeft);
  ASSERT_TRUE(WaitUntil([&] { return !IsBeingMoved(window); }));
}

TEST(WindowOptions, ARememberedPlaceIsRestoredUnlessItIsOffEveryMonitor) {
  VorentaSession vorenta;
  ASSERT_TRUE(WriteFileBytes(vorenta.PathOf(kOptionsFile), "[Vorenta]\r\nRememberPlacement=1\r\n"));
  vorenta.Restart();
  ASSERT_TRUE(vorenta.BringToFront());

  const RECT first = WindowRect(vorenta.window());
  DragCaption(vorenta.window(), POINT{150, 90});
  ASSERT_EQ(WindowRect(vorenta.window()).left, first.left + 150);
  SetWindowPos(vorenta.window(), nullptr, 0, 0, 520, 430,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] {
    const RECT r = WindowRect(vorenta.window());
    return r.right - r.left == 520 && r.bottom - r.top == 430;
  }));
  const RECT moved = WindowRect(vorenta.window());
  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());

  vorenta.Restart();
  EXPECT_TRUE(SameRect(WindowRect(vorenta.window()), moved));

  // Closed while minimised, it comes back as it was before.
  ShowWindow(vorenta.window(), SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(vorenta.window()) != FALSE; }));
  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());
  vorenta.Restart();
  EXPECT_TRUE(SameRect(WindowRect(vorenta.window()), moved));

  // Far to the left of every monitor: the default place, the saved size.
  ASSERT_TRUE(
      WriteFileBytes(vorenta.PathOf(kGeometryFile), " 6000 \r\n 4500 \r\n-90000 \r\n 300 \r\n"));
  vorenta.Restart();
  const TwipsRect outer = OuterRect(vorenta.window());
  EXPECT_GE(outer.left, 0);
  EXPECT_GE(outer.top, 0);
  EXPECT_NEAR(outer.width, 6000, TwipsPerPixel());
  EXPECT_NEAR(outer.height, 4500, TwipsPerPixel());
}

}  // namespace
}  // namespace vorenta_e2e
