#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using Lines = std::vector<std::u16string>;
using MailIntake = WindowLogicTest;

TEST_F(MailIntake, EnterPastesTheClipboardOneLinePerItem) {
  Paste(u"セール開催中\r\n送料無料\r\n");
  EXPECT_EQ(MailLines(), (Lines{u"セール開催中", u"送料無料", u""}));
  EXPECT_TRUE(memory.mail_pane.IsVisible());
}

TEST_F(MailIntake, PaneIsHiddenWhileItFills) {
  Paste(u"a\rb\rc");
  EXPECT_EQ(memory.mail_pane.VisibleChanges(), 0);
  EXPECT_TRUE(memory.mail_pane.IsVisible());
}

TEST_F(MailIntake, EnterTwiceReplacesInsteadOfAppending) {
  Paste(u"a\r\nb");
  memory.mail_pane.SetSelected(1);
  logic.OnMailPaneKey(kKeyEnter, kShiftMask | kCtrlMask);
  EXPECT_EQ(MailLines(), (Lines{u"a", u"b"}));
  EXPECT_TRUE(memory.mail_pane.SelectedIndexes().empty());
}

TEST_F(MailIntake, OtherKeysLeaveThePaneAlone) {
  Paste(u"a\rb");
  memory.clipboard.Put(u"other");
  for (int key : {9, 10, 32, 40, 65}) logic.OnMailPaneKey(key, 0);
  EXPECT_EQ(MailLines(), (Lines{u"a", u"b"}));
}

TEST_F(MailIntake, ClipboardWithoutTextEmptiesThePane) {
  Paste(u"a\rb");
  memory.clipboard.RemoveText();
  logic.OnMailPaneKey(kKeyEnter, 0);
  EXPECT_EQ(memory.mail_pane.Count(), 0);
}

TEST_F(MailIntake, ClipboardHeldByAnotherProgramKeepsThePane) {
  Paste(u"a\rb");
  memory.clipboard.SetHeldByOther(true);
  logic.OnMailPaneKey(kKeyEnter, 0);
  EXPECT_EQ(MailLines(), (Lines{u"a", u"b"}));
  EXPECT_TRUE(memory.mail_pane.IsVisible());
}

TEST_F(MailIntake, DropReplacesThePane) {
  Paste(u"old");
  logic.OnMailPaneDrop(MemoryDropData(u"x\r\ny"));
  EXPECT_EQ(MailLines(), (Lines{u"x", u"y"}));
}

TEST_F(MailIntake, DropWithoutTextIsIgnored) {
  Paste(u"kept\rlines");
  logic.OnMailPaneDrop(MemoryDropData());
  EXPECT_EQ(MailLines(), (Lines{u"kept", u"lines"}));
}

TEST_F(MailIntake, DropOfEmptyTextEmptiesThePane) {
  Paste(u"a");
  logic.OnMailPaneDrop(MemoryDropData(u""));
  EXPECT_EQ(memory.mail_pane.Count(), 0);
}

TEST_F(MailIntake, MailPastTheOld16BitLimitKeepsEveryLine) {
  std::u16string mail;
  for (int i = 0; i < 40000; ++i) mail += u"l\r\n";
  mail += u"最後";
  Paste(mail);
  ASSERT_EQ(memory.mail_pane.Count(), 40001);
  EXPECT_EQ(memory.mail_pane.ItemText(40000), u"最後");
}

}  // namespace
}  // namespace vorenta
