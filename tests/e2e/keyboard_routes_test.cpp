// Keys that do what the mouse does: the context-menu keys on Search, Delete
// in the keyword list, Ctrl+A and Ctrl+C in the mail pane.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "control_state.h"
#include "file_bytes.h"
#include "newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

bool PanelOpen(const VorentaSession& vorenta) {
  return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE;
}

HWND FocusOf(HWND window) {
  const std::optional<GUITHREADINFO> gui = GuiThreadOf(window);
  return gui ? gui->hwndFocus : nullptr;
}

TEST(KeyboardRoutes, ShiftF10AndTheContextMenuKeyOnSearchToggleTheKeywordPanel) {
  VorentaSession vorenta;
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(
      WaitUntil([&] { return FocusOf(vorenta.window()) == vorenta.control(kSearchButton); }));
  ASSERT_FALSE(PanelOpen(vorenta));

  PressKey(VK_F10, kShift);
  ASSERT_TRUE(WaitUntil([&] { return PanelOpen(vorenta); }));
  // Once only, and no menu left waiting for keys: the next key reaches Search.
  PumpFor(std::chrono::milliseconds(300));
  EXPECT_TRUE(PanelOpen(vorenta));

  PressKey(VK_APPS);
  ASSERT_TRUE(WaitUntil([&] { return !PanelOpen(vorenta); }));
  PumpFor(std::chrono::milliseconds(300));
  EXPECT_FALSE(PanelOpen(vorenta));
}

TEST(KeyboardRoutes, DeleteRemovesTheCurrentKeywordAndSavesTheList) {
  VorentaSession vorenta({.keyword_file_bytes = std::string(kSaleCp932) + "\r\n" + kPostageCp932 +
                                                "\r\n" + kPointsCp932 + "\r\n"});
  const HWND keywords = vorenta.control(kKeywordList);
  ASSERT_TRUE(vorenta.BringToFront());
  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return PanelOpen(vorenta); }));

  Click(ListItemPoint(keywords, 0));
  PressKey(VK_DOWN);
  PressKey(VK_DELETE);
  const std::vector<std::u16string> left = {u"セール", u"ポイント"};
  ASSERT_TRUE(WaitUntil([&] { return ListItems(keywords) == left; }));
  EXPECT_TRUE(WaitUntil([&] {
    return ReadFileBytes(vorenta.PathOf(kKeywordFile)) ==
           std::string(kSaleCp932) + "\r\n" + kPointsCp932 + "\r\n";
  }));
}

TEST(KeyboardRoutes, CtrlCCopiesTheSelectedLinesAndCtrlASelectsThemAll) {
  VorentaSession vorenta;
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));

  Click(ListItemPoint(pane, 1));
  Click(ListItemPoint(pane, kSaleLine), MouseButton::kLeft, kCtrl);
  ASSERT_TRUE(WaitUntil([&] { return SelectedIndexes(pane) == std::vector<int>{1, kSaleLine}; }));
  PressKey('C', kCtrl);
  const std::u16string two_lines = kNewsletterLines[1] + u"\r\n" + kNewsletterLines[kSaleLine];
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == two_lines; }));

  PressKey('A', kCtrl);
  std::vector<int> every_line(kNewsletterLines.size());
  for (size_t i = 0; i < every_line.size(); ++i) every_line[i] = static_cast<int>(i);
  EXPECT_TRUE(WaitUntil([&] { return SelectedIndexes(pane) == every_line; }));
}

}  // namespace
}  // namespace vorenta_e2e
