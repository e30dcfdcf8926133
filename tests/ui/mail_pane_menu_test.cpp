// The mail pane around a paste: the hint of the empty pane, the pane's own
// menu and Esc.

#include "window_logic_fixture.h"

namespace vorenta {
namespace {

class MailPane : public WindowLogicTest {
 protected:
  MailPaneMenuItem Item(MailPaneCommand command) const {
    for (const MailPaneMenuItem& item : logic.MailPaneMenu()) {
      if (item.command == command) return item;
    }
    ADD_FAILURE() << "no menu item " << static_cast<int>(command);
    return {command, u""};
  }

  std::vector<MailPaneCommand> Enabled() const {
    std::vector<MailPaneCommand> enabled;
    for (const MailPaneMenuItem& item : logic.MailPaneMenu()) {
      if (item.enabled) enabled.push_back(item.command);
    }
    return enabled;
  }
};

TEST_F(MailPane, TheHintIsDrawnOnlyWhileThePaneHoldsNoLines) {
  EXPECT_FALSE(logic.MailPaneHint().empty());
  EXPECT_EQ(memory.mail_pane.Count(), 0) << "drawn, never an item";
  Paste(u"one\r\ntwo");
  EXPECT_TRUE(logic.MailPaneHint().empty());
  Paste(u"");
  EXPECT_FALSE(logic.MailPaneHint().empty());
}

TEST_F(MailPane, TheMenuOffersWhatThePaneHoldsAndShowsEachEntrysKey) {
  using enum MailPaneCommand;
  EXPECT_EQ(Enabled(), (std::vector{kPaste, kPasteWithLinks}));
  Paste(u"one\r\ntwo");
  EXPECT_EQ(Enabled(), (std::vector{kPaste, kPasteWithLinks, kSelectAll}));
  memory.mail_pane.SetSelected(1);
  EXPECT_EQ(Enabled(),
            (std::vector{kPaste, kPasteWithLinks, kCopyLines, kSelectAll, kClearSelection}));
  for (const MailPaneMenuItem& item : logic.MailPaneMenu()) {
    EXPECT_NE(std::u16string(item.text).find(u'\t'), std::u16string::npos);
  }
}

TEST_F(MailPane, EachMenuEntryDoesWhatItsKeyDoes) {
  struct Case {
    MailPaneCommand command;
    std::vector<std::u16string> lines;
    std::vector<int> selected;
    std::u16string clipboard;
  };
  const std::vector<std::u16string> shown = {u"one", u"two", u"three"};
  const Case cases[] = {
      {MailPaneCommand::kPaste, {u"next", u"mail"}, {}, u"next\r\nmail"},
      {MailPaneCommand::kCopyLines, shown, {0, 2}, u"one\r\nthree"},
      {MailPaneCommand::kSelectAll, shown, {0, 1, 2}, u"next\r\nmail"},
      {MailPaneCommand::kClearSelection, shown, {}, u"next\r\nmail"},
  };
  for (const Case& c : cases) {
    Paste(u"one\r\ntwo\r\nthree");
    memory.mail_pane.SetSelected(0);
    memory.mail_pane.SetSelected(2);
    memory.clipboard.Put(u"next\r\nmail");
    logic.RunMailPaneCommand(c.command);
    EXPECT_EQ(MailLines(), c.lines) << static_cast<int>(c.command);
    EXPECT_EQ(memory.mail_pane.SelectedIndexes(), c.selected) << static_cast<int>(c.command);
    EXPECT_EQ(memory.clipboard.Content(), c.clipboard) << static_cast<int>(c.command);
  }
}

TEST_F(MailPane, EscClearsEverySelectionAndNothingElse) {
  Paste(u"セール開催\r\n詳しくは http://shop.example/sale\r\n送料無料");
  logic.SetKeywords({u"セール", u"送料"});
  logic.OnSearchClick();
  ClickLine(1);
  memory.mail_pane.SetSelected(1);
  ASSERT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 1, 2}));
  const std::u16string address = memory.address_box.Text();
  const auto highlights = logic.HighlightsIn(u"セール開催");

  logic.OnMailPaneKey(kKeyEscape, kShiftMask);
  EXPECT_EQ(memory.mail_pane.SelectedIndexes().size(), 3u) << "Esc alone, not with Shift";
  logic.OnMailPaneKey(kKeyEscape, 0);
  EXPECT_TRUE(memory.mail_pane.SelectedIndexes().empty());
  EXPECT_EQ(MailLines().size(), 3u);
  EXPECT_EQ(memory.mail_pane.CurrentIndex(), 1);
  EXPECT_EQ(memory.address_box.Text(), address);
  EXPECT_EQ(memory.clipboard.Content(), address);
  EXPECT_EQ(logic.HighlightsIn(u"セール開催"), highlights);
  EXPECT_FALSE(highlights.empty());
}

}  // namespace
}  // namespace vorenta
