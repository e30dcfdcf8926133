// The main window itself: minimum size and topmost placement.

#include <gtest/gtest.h>

#include "control_state.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

constexpr float kMinimumWidth = 3300;
constexpr float kMinimumHeight = 1850;

SIZE OuterSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

bool SizeChangedFrom(HWND window, SIZE before) {
  const SIZE now = OuterSize(window);
  return now.cx != before.cx || now.cy != before.cy;
}

// Every visible control lies wholly inside the client area.
void ExpectControlsInsideClient(const VorentaSession& vorenta) {
  const TwipsRect client = ClientRect(vorenta.window());
  for (int id : {kSearchButton, kMailPane, kKeywordList, kAddressBox, kKeywordBox}) {
    const HWND control = vorenta.control(id);
    if (!IsWindowVisible(control)) continue;
    const TwipsRect r = ControlRect(control);
    EXPECT_GE(r.left, 0) << "control " << id;
    EXPECT_GE(r.top, 0) << "control " << id;
    EXPECT_GT(r.width, 0) << "control " << id;
    EXPECT_GT(r.height, 0) << "control " << id;
    EXPECT_LE(r.right(), client.width) << "control " << id;
    EXPECT_LE(r.bottom(), client.height) << "control " << id;
  }
}

void ExpectMinimumSize(HWND window) {
  const TwipsRect outer = OuterRect(window);
  EXPECT_NEAR(outer.width, kMinimumWidth, TwipsPerPixel());
  EXPECT_NEAR(outer.height, kMinimumHeight, TwipsPerPixel());
}

TEST(MainWindow, SetWindowPosBelowTheMinimumIsClamped) {
  VorentaSession vorenta;
  const HWND window = vorenta.window();
  const SIZE before = OuterSize(window);
  SetWindowPos(window, nullptr, 0, 0, 40, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return SizeChangedFrom(window, before); }));
  PumpFor(std::chrono::milliseconds(300));
  ExpectMinimumSize(window);
  ExpectControlsInsideClient(vorenta);

  // The open panel fits the smallest window too.
  ASSERT_TRUE(vorenta.BringToFront());
  ToggleKeywordPanel(window);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE; }));
  ExpectControlsInsideClient(vorenta);
}

TEST(MainWindow, DraggingTheCornerStopsAtTheMinimum) {
  VorentaSession vorenta;
  const HWND window = vorenta.window();
  ASSERT_TRUE(vorenta.BringToFront());
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT corner{rect.right - 2, rect.bottom - 2};
  ASSERT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT)
      << "the window has no sizing corner where the test grabs it";

  const SIZE before = OuterSize(window);
  MoveMouse(corner);
  ButtonDown(MouseButton::kLeft);
  GlideMouse(corner, POINT{rect.left + 30, rect.top + 20}, 10);
  PumpFor(std::chrono::milliseconds(200));
  ButtonUp(MouseButton::kLeft);
  ASSERT_TRUE(WaitUntil([&] { return SizeChangedFrom(window, before); }));
  PumpFor(std::chrono::milliseconds(300));
  ExpectMinimumSize(window);
  ExpectControlsInsideClient(vorenta);
}

// A plain window of the driver's own, activated over the program.
class CoveringWindow {
 public:
  explicit CoveringWindow(const RECT& area) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"VorentaE2eCover";
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassW(&window_class);
    hwnd_ = CreateWindowExW(0, window_class.lpszClassName, L"cover", WS_POPUP | WS_VISIBLE,
                            area.left, area.top, area.right - area.left, area.bottom - area.top,
                            nullptr, nullptr, window_class.hInstance, nullptr);
  }
  ~CoveringWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

TEST(MainWindow, StaysAboveAnotherWindowThatIsActivated) {
  VorentaSession vorenta;
  const HWND window = vorenta.window();
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

  RECT area{};
  GetWindowRect(window, &area);
  // Overlapping the program and reaching past it to the right and below.
  area.right += 40;
  area.bottom += 40;
  CoveringWindow cover(area);
  ASSERT_NE(cover.hwnd(), nullptr);
  ASSERT_TRUE(WaitUntil([&] {
    SetForegroundWindow(cover.hwnd());
    return GetForegroundWindow() == cover.hwnd();
  }));
  PumpFor(std::chrono::milliseconds(300));

  const HWND at_center = WindowFromPoint(CenterOf(window));
  EXPECT_EQ(GetAncestor(at_center, GA_ROOT), window);
  // And the cover is really there: beside the program it is what one sees.
  const HWND beside = WindowFromPoint(POINT{area.right - 20, area.bottom - 20});
  EXPECT_EQ(beside, cover.hwnd());
}

}  // namespace
}  // namespace vorenta_e2e
