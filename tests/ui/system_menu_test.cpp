// The system menu's entries and the keys that do the same.

#include "core/sender_pages.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

class SystemMenuTest : public WindowLogicTest {
 protected:
  MenuItem Item(MenuCommand command) const {
    for (const MenuItem& item : logic.SystemMenu()) {
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
  logic.RunMenuCommand(MenuCommand::kTogglePanel);
  EXPECT_TRUE(logic.IsKeywordPanelOpen());
  EXPECT_TRUE(Item(MenuCommand::kTogglePanel).checked);
  EXPECT_EQ(memory.mail_pane.Left(), 1515);
  logic.OnSearchButtonContextKey();
  EXPECT_FALSE(logic.IsKeywordPanelOpen());
  EXPECT_EQ(memory.mail_pane.Left(), 60);
}

TEST_F(SystemMenuTest, RemovingAKeywordNeedsTheOpenPanelAndACurrentKeyword) {
  logic.SetKeywords({u"a", u"b"});
  EXPECT_FALSE(Item(MenuCommand::kRemoveKeyword).enabled);
  logic.RunMenuCommand(MenuCommand::kTogglePanel);
  EXPECT_FALSE(Item(MenuCommand::kRemoveKeyword).enabled);
  memory.keyword_list.SetCurrentIndex(1);
  EXPECT_TRUE(Item(MenuCommand::kRemoveKeyword).enabled);
  logic.RunMenuCommand(MenuCommand::kRemoveKeyword);
  EXPECT_EQ(logic.Keywords(), std::vector<std::u16string>{u"a"});
  EXPECT_EQ(memory.files.Content(u"C:\\Vorenta\\SMdata1.dat"), "a\r\n");
}

TEST_F(SystemMenuTest, DeleteRemovesOnlyWithoutModifiers) {
  logic.SetKeywords({u"a", u"b"});
  memory.keyword_list.SetCurrentIndex(0);
  logic.OnKeywordListKey(kKeyDelete, kShiftMask);
  logic.OnKeywordListKey(kKeyA, 0);
  EXPECT_EQ(logic.Keywords().size(), 2u);
  logic.OnKeywordListKey(kKeyDelete, 0);
  EXPECT_EQ(logic.Keywords(), std::vector<std::u16string>{u"b"});
}

TEST_F(SystemMenuTest, CtrlCCopiesTheSelectedLinesAndCtrlASelectsAll) {
  Paste(u"one\r\ntwo\r\nthree\r\n");
  EXPECT_FALSE(Item(MenuCommand::kCopyLines).enabled);
  memory.clipboard.Put(u"before");
  logic.OnMailPaneKey(kKeyC, kCtrlMask);
  EXPECT_EQ(memory.clipboard.Content(), u"before") << "nothing selected, nothing copied";

  memory.mail_pane.SetSelected(0);
  memory.mail_pane.SetSelected(2);
  logic.OnMailPaneKey(kKeyC, kCtrlMask | kShiftMask);
  EXPECT_EQ(memory.clipboard.Content(), u"before");
  logic.OnMailPaneKey(kKeyC, kCtrlMask);
  EXPECT_EQ(memory.clipboard.Content(), u"one\r\nthree");

  logic.OnMailPaneKey(kKeyA, kCtrlMask);
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 1, 2, 3}));
  logic.RunMenuCommand(MenuCommand::kCopyLines);
  EXPECT_EQ(memory.clipboard.Content(), u"one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(MailLines().size(), 4u);
}

TEST_F(SystemMenuTest, TheSenderPageEntryIsGreyedWithoutAKnownSender) {
  Paste(u"From: nobody@example.invalid>\r\n");
  EXPECT_FALSE(Item(MenuCommand::kOpenSenderPage).enabled);
  const SenderPage& row = SenderPages()[0];
  Paste(u"From: " + std::u16string(row.key) + u"\r\nbody");
  ASSERT_TRUE(Item(MenuCommand::kOpenSenderPage).enabled);
  logic.RunMenuCommand(MenuCommand::kOpenSenderPage);
  ASSERT_EQ(memory.process.started().size(), 1u);
  EXPECT_EQ(memory.process.started()[0].command_line, BrowserCommandLine(std::u16string(row.page)));
}

TEST_F(SystemMenuTest, OptionsAreCheckedAndWrittenOnlyOnceChanged) {
  logic.LoadOptions();
  EXPECT_FALSE(Item(MenuCommand::kFuzzySearch).checked);
  EXPECT_TRUE(Item(MenuCommand::kAlwaysOnTop).checked);
  EXPECT_FALSE(memory.files.Exists(kOptionsPath));

  logic.RunMenuCommand(MenuCommand::kFuzzySearch);
  EXPECT_TRUE(Item(MenuCommand::kFuzzySearch).checked);
  logic.RunMenuCommand(MenuCommand::kAlwaysOnTop);
  EXPECT_FALSE(memory.system.topmost());
  EXPECT_FALSE(Item(MenuCommand::kAlwaysOnTop).checked);

  MemoryPlatform next;
  next.files.Put(kOptionsPath, *memory.files.Content(kOptionsPath));
  SettingsStore next_settings{next.files, *codec};
  WindowLogic next_form{next.platform, next_settings};
  next_form.LoadOptions();
  EXPECT_TRUE(next_form.options().fuzzy_search);
  EXPECT_FALSE(next_form.options().always_on_top);
}

TEST_F(SystemMenuTest, RememberingThePlaceIsAnOptionOffByDefaultKeptForTheNextStart) {
  logic.LoadOptions();
  EXPECT_FALSE(Item(MenuCommand::kRememberPlacement).checked);
  logic.RunMenuCommand(MenuCommand::kRememberPlacement);
  EXPECT_TRUE(Item(MenuCommand::kRememberPlacement).checked);
  EXPECT_TRUE(memory.window.placed().empty()) << "it takes effect at the next start";
  EXPECT_NE(memory.files.Content(kOptionsPath)->find("RememberPlacement=1"), std::string::npos);

  logic.RunMenuCommand(MenuCommand::kRememberPlacement);
  logic.LoadOptions();
  EXPECT_FALSE(logic.options().remember_placement);
}

TEST_F(SystemMenuTest, AnOptionThatCannotBeSavedIsToldAndStillHolds) {
  memory.files.SetReplaceFails(kOptionsPath, true);
  logic.RunMenuCommand(MenuCommand::kFuzzySearch);
  EXPECT_TRUE(logic.options().fuzzy_search);
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  EXPECT_NE(memory.dialogs.shown()[0].message.details.find(kOptionsPath), std::u16string::npos);
}

TEST_F(SystemMenuTest, AboutNamesTheVersionAndTheFolder) {
  logic.RunMenuCommand(MenuCommand::kAbout);
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  const UserMessage& about = memory.dialogs.shown()[0].message;
  EXPECT_NE(about.heading.find(u"1.00"), std::u16string::npos);
  EXPECT_NE(about.details.find(u"C:\\Vorenta"), std::u16string::npos);
}

}  // namespace
}  // namespace vorenta
