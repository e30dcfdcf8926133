// Enter in the mail pane takes the mail from the real clipboard, whatever
// else holds or fills it.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "control_state.h"
#include "newsletter.h"
#include "pasted_newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

using std::chrono::milliseconds;

using PasteFromClipboard = PastedNewsletterTest;

TEST_F(PasteFromClipboard, CharactersOutsideCodePage932ArriveUnchanged) {
  ASSERT_TRUE(SetClipboardText(u"セール🎉\r\n한국어 ok"));
  PressKey(VK_RETURN);
  const std::vector<std::u16string> lines = {u"セール🎉", u"한국어 ok"};
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()) == lines; }));
}

TEST_F(PasteFromClipboard, LineFeedsAloneJoinTheirLines) {
  ASSERT_TRUE(SetClipboardText(u"a\nb\r\r\nc\r"));
  PressKey(VK_RETURN);
  const std::vector<std::u16string> lines = {u"ab", u"", u"c", u""};
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()) == lines; }));
}

TEST_F(PasteFromClipboard, ClipboardWithoutTextEmptiesThePane) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()).empty(); }));
  EXPECT_TRUE(vorenta.IsRunning());
}

TEST_F(PasteFromClipboard, ClipboardHeldByAnotherProgramKeepsThePane) {
  ASSERT_TRUE(SetClipboardText(u"届かないメール"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  PressKey(VK_RETURN);
  // Longer than the program waits for the clipboard.
  PumpFor(milliseconds(3000));
  CloseClipboard();
  PumpFor(milliseconds(800));
  EXPECT_EQ(ListItems(pane()), kNewsletterLines);
  EXPECT_TRUE(vorenta.IsRunning());
}

TEST_F(PasteFromClipboard, KeysOtherThanEnterLeaveThePane) {
  ASSERT_TRUE(SetClipboardText(u"別のメール"));
  PressKey(VK_DOWN);
  PressKey(VK_SPACE);
  PressKey('A');
  PressKey(VK_RETURN, kShift);
  // Enter with Shift pastes like Enter alone; the keys before it must not have.
  EXPECT_TRUE(
      WaitUntil([&] { return ListItems(pane()) == std::vector<std::u16string>{u"別のメール"}; }));
}

}  // namespace
}  // namespace vorenta_e2e
