// The system menu's entries and the keys that do the same.

#include "core/sender_pages.h"
#include "form1_fixture.h"

namespace vorenta {
namespace {

class SystemMenuTest : public Form1Test {
 protected:
  MenuItem Item(MenuCommand command) const {
    for (const MenuItem& item : form.SystemMenu()) {
      if (item.command == command) return item;
    }
    ADD_FAILURE() << "no menu item " << static_cast<int>(command);
    return {command, u""};
  }
  const std::u16string kOptionsPath = u"C:\\Vorenta\\Vorenta.ini";
};

TEST_F(SystemMenuTest, EveryEntryShowsItsKeyWhereItHasOne) {
  for (MenuCommand command :
       {MenuCommand::kTogglePanel, MenuCommand::kRemoveKeyword, MenuCommand::kCopyLines}) {
    EXPECT_NE(std::u16string(Item(command).text).find(u'\t'), std::u16string::npos);
  }
}

TEST_F(SystemMenuTest, TheKeywordPanelTogglesByMenuAndContextKeyAsByRightClick) {
  EXPECT_FALSE(Item(MenuCommand::kTogglePanel).checked);
  form.RunMenuCommand(MenuCommand::kTogglePanel);
  EXPECT_TRUE(form.IsKeywordPanelOpen());
  EXPECT_TRUE(Item(MenuCommand::kTogglePanel).checked);
  EXPECT_EQ(memory.list1.Left(), 1515);
  form.Command1_ContextKey();
  EXPECT_FALSE(form.IsKeywordPanelOpen());
  EXPECT_EQ(memory.list1.Left(), 60);
}

TEST_F(SystemMenuTest, RemovingAKeywordNeedsTheOpenPanelAndACurrentKeyword) {
  form.SetKeywords({u"a", u"b"});
  EXPECT_FALSE(Item(MenuCommand::kRemoveKeyword).enabled);
  form.RunMenuCommand(MenuCommand::kTogglePanel);
  EXPECT_FALSE(Item(MenuCommand::kRemoveKeyword).enabled);
  memory.list2.SetCurrentIndex(1);
  EXPECT_TRUE(Item(MenuCommand::kRemoveKeyword).enabled);
  form.RunMenuCommand(MenuCommand::kRemoveKeyword);
  EXPECT_EQ(form.Keywords(), std::vector<std::u16string>{u"a"});
  EXPECT_EQ(memory.files.Content(u"C:\\Vorenta\\SMdata1.dat"), "a\r\n");
}

TEST_F(SystemMenuTest, DeleteRemovesOnlyWithoutModifiers) {
  form.SetKeywords({u"a", u"b"});
  memory.list2.SetCurrentIndex(0);
  form.List2_KeyDown(kKeyDelete, kShiftMask);
  form.List2_KeyDown(kKeyA, 0);
  EXPECT_EQ(form.Keywords().size(), 2u);
  form.List2_KeyDown(kKeyDelete, 0);
  EXPECT_EQ(form.Keywords(), std::vector<std::u16string>{u"b"});
}

TEST_F(SystemMenuTest, CtrlCCopiesTheSelectedLinesAndCtrlASelectsAll) {
  Paste(u"one\r\ntwo\r\nthree\r\n");
  EXPECT_FALSE(Item(MenuCommand::kCopyLines).enabled);
  memory.clipboard.Put(u"before");
  form.List1_KeyDown(kKeyC, kCtrlMask);
  EXPECT_EQ(memory.clipboard.Content(), u"before") << "nothing selected, nothing copied";

  memory.list1.SetSelected(0);
  memory.list1.SetSelected(2);
  form.List1_KeyDown(kKeyC, kCtrlMask | kShiftMask);
  EXPECT_EQ(memory.clipboard.Content(), u"before");
  form.List1_KeyDown(kKeyC, kCtrlMask);
  EXPECT_EQ(memory.clipboard.Content(), u"one\r\nthree");

  form.List1_KeyDown(kKeyA, kCtrlMask);
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{0, 1, 2, 3}));
  form.RunMenuCommand(MenuCommand::kCopyLines);
  EXPECT_EQ(memory.clipboard.Content(), u"one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(MailLines().size(), 4u);
}

TEST_F(SystemMenuTest, TheSenderPageEntryIsGreyedWithoutAKnownSender) {
  Paste(u"From: nobody@example.invalid>\r\n");
  EXPECT_FALSE(Item(MenuCommand::kOpenSenderPage).enabled);
  const SenderPage& row = SenderPages()[0];
  Paste(u"From: " + std::u16string(row.key) + u"\r\nbody");
  ASSERT_TRUE(Item(MenuCommand::kOpenSenderPage).enabled);
  form.RunMenuCommand(MenuCommand::kOpenSenderPage);
  ASSERT_EQ(memory.process.started().size(), 1u);
  EXPECT_EQ(memory.process.started()[0].command_line, BrowserCommandLine(std::u16string(row.page)));
}

TEST_F(SystemMenuTest, OptionsAreCheckedAndWrittenOnlyOnceChanged) {
  form.LoadOptions();
  EXPECT_FALSE(Item(MenuCommand::kFuzzySearch).checked);
  EXPECT_TRUE(Item(MenuCommand::kAlwaysOnTop).checked);
  EXPECT_FALSE(memory.files.Exists(kOptionsPath));

  form.RunMenuCommand(MenuCommand::kFuzzySearch);
  EXPECT_TRUE(Item(MenuCommand::kFuzzySearch).checked);
  form.RunMenuCommand(MenuCommand::kAlwaysOnTop);
  EXPECT_FALSE(memory.system.topmost());
  EXPECT_FALSE(Item(MenuCommand::kAlwaysOnTop).checked);

  MemoryPlatform next;
  next.files.Put(kOptionsPath, *memory.files.Content(kOptionsPath));
  SettingsStore next_settings{next.files, *codec};
  Form1 next_form{next.platform, next_settings};
  next_form.LoadOptions();
  EXPECT_TRUE(next_form.options().fuzzy_search);
  EXPECT_FALSE(next_form.options().always_on_top);
}

TEST_F(SystemMenuTest, RememberingThePlaceIsAnOptionOffByDefaultKeptForTheNextStart) {
  form.LoadOptions();
  EXPECT_FALSE(Item(MenuCommand::kRememberPlacement).checked);
  form.RunMenuCommand(MenuCommand::kRememberPlacement);
  EXPECT_TRUE(Item(MenuCommand::kRememberPlacement).checked);
  EXPECT_TRUE(memory.window.placed().empty()) << "it takes effect at the next start";
  EXPECT_NE(memory.files.Content(kOptionsPath)->find("RememberPlacement=1"), std::string::npos);

  form.RunMenuCommand(MenuCommand::kRememberPlacement);
  form.LoadOptions();
  EXPECT_FALSE(form.options().remember_placement);
}

TEST_F(SystemMenuTest, AnOptionThatCannotBeSavedIsToldAndStillHolds) {
  memory.files.SetReplaceFails(kOptionsPath, true);
  form.RunMenuCommand(MenuCommand::kFuzzySearch);
  EXPECT_TRUE(form.options().fuzzy_search);
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  EXPECT_NE(memory.dialogs.shown()[0].message.details.find(kOptionsPath), std::u16string::npos);
}

TEST_F(SystemMenuTest, AboutNamesTheVersionAndTheFolder) {
  form.RunMenuCommand(MenuCommand::kAbout);
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  const UserMessage& about = memory.dialogs.shown()[0].message;
  EXPECT_NE(about.heading.find(u"1.00"), std::u16string::npos);
  EXPECT_NE(about.details.find(u"C:\\Vorenta"), std::u16string::npos);
}

}  // namespace
}  // namespace vorenta
