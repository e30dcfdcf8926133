// The mail pane around a paste: the hint of the empty pane, the pane's own
// menu and Esc.

#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using enum MailPaneCommand;

class MailPane : public WindowLogicTest {
 protected:
  std::vector<MailPaneCommand> Offered() const {
    std::vector<MailPaneCommand> offered;
    for (const MailPaneMenuItem& item : logic.MailPaneMenu()) {
      if (item.enabled) offered.push_back(item.command);
    }
    return offered;
  }
};

TEST_F(MailPane, TheHintAndTheMenuFollowWhatThePaneHolds) {
  EXPECT_FALSE(logic.MailPaneHint().empty());
  EXPECT_EQ(Offered(), (std::vector{kPaste, kPasteWithLinks}));
  Paste(u"one\r\ntwo");
  EXPECT_TRUE(logic.MailPaneHint().empty());
  EXPECT_EQ(Offered(), (std::vector{kPaste, kPasteWithLinks, kSelectAll}));
  memory.mail_pane.SetSelected(1);
  EXPECT_EQ(Offered(),
            (std::vector{kPaste, kPasteWithLinks, kCopyLines, kSelectAll, kClearSelection}));
}

TEST_F(MailPane, EachMenuEntryDoesWhatItsKeyDoes) {
  const struct {
    MailPaneCommand command;
    std::vector<int> selected;
    std::u16string clipboard;
  } cases[] = {{kPaste, {}, u"next"},
               {kCopyLines, {0, 2}, u"one\r\nthree"},
               {kSelectAll, {0, 1, 2}, u"next"},
               {kClearSelection, {}, u"next"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.command));
    Paste(u"one\r\ntwo\r\nthree");
    memory.mail_pane.SelectItems({0, 2});
    memory.clipboard.Put(u"next");
    logic.RunMailPaneCommand(c.command);
    EXPECT_EQ(MailLines().size(), c.command == kPaste ? 1u : 3u);
    EXPECT_EQ(memory.mail_pane.SelectedIndexes(), c.selected);
    EXPECT_EQ(memory.clipboard.Content(), c.clipboard);
  }
}

TEST_F(MailPane, EscAloneClearsEverySelectionAndNothingElse) {
  Paste(u"セール開催\r\n詳しくは http://shop.example/sale\r\n送料無料");
  logic.SetKeywords({u"セール", u"送料"});
  logic.OnSearchClick();
  ClickLine(1);
  logic.OnMailPaneKey(kKeyEscape, kShiftMask);
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 2}));

  logic.OnMailPaneKey(kKeyEscape, 0);
  EXPECT_TRUE(memory.mail_pane.SelectedIndexes().empty());
  EXPECT_EQ(memory.mail_pane.CurrentIndex(), 1);
  EXPECT_EQ(memory.address_box.Text(), u"http://shop.example/sale");
  EXPECT_EQ(logic.HighlightsIn(u"セール開催"), (std::vector<Highlight>{{0, 3, 0}}));
}

}  // namespace
}  // namespace vorenta
