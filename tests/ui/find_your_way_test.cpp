// After a search: F3 and Shift+F3 through the hits, the counts in the title
// and beside the keywords, a colour per keyword, and the address opened in
// the browser.

#include <gtest/gtest.h>

#include "ui/keyword_colours.h"
#include "ui/texts.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using FindYourWay = WindowLogicTest;

bool MenuEnabled(const WindowLogic& logic, MenuCommand command) {
  for (const MenuItem& item : logic.SystemMenu()) {
    if (item.command == command) return item.enabled;
  }
  ADD_FAILURE() << "no such entry";
  return false;
}

TEST_F(FindYourWay, F3MovesThroughTheHitsAndWrapsLeavingTheSelection) {
  logic.SetKeywords({u"セール"});
  Paste(u"セール1\r\nなし\r\nセール2 http://a.example/\r\nなし\r\nセール3");
  logic.OnWindowKey(kKeyF3, 0);
  EXPECT_EQ(memory.mail_pane.CurrentIndex(), ListBox::kNoItem) << "no hit before a search";
  EXPECT_FALSE(MenuEnabled(logic, MenuCommand::kNextHit));

  logic.OnSearchClick();
  memory.mail_pane.SetCurrentIndex(1);
  std::vector<int> visited;
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(logic.OnWindowKey(kKeyF3, 0));
    visited.push_back(memory.mail_pane.CurrentIndex());
  }
  EXPECT_EQ(visited, (std::vector<int>{2, 4, 0, 2}));
  logic.OnWindowKey(kKeyF3, kShiftMask);
  logic.OnWindowKey(kKeyF3, kShiftMask);
  EXPECT_EQ(memory.mail_pane.CurrentIndex(), 4) << "backwards past the first wraps to the last";
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 2, 4}));
  EXPECT_TRUE(memory.address_box.Text().empty()) << "moving is not a click";
  EXPECT_TRUE(MenuEnabled(logic, MenuCommand::kPreviousHit));
  EXPECT_FALSE(logic.OnWindowKey(kKeyF3, kCtrlMask));

  Paste(u"セール");
  logic.RunMenuCommand(MenuCommand::kNextHit);
  EXPECT_EQ(memory.mail_pane.CurrentIndex(), ListBox::kNoItem) << "a paste forgets the hits";
  EXPECT_FALSE(MenuEnabled(logic, MenuCommand::kNextHit));
}

TEST_F(FindYourWay, CountsShowInTheTitleAndBesideEachKeywordUntilTheNextPaste) {
  logic.SetKeywords({u"セール", u"送料", u"なし", u"セール", u""});
  Paste(u"セール 送料無料\r\nセール\r\n\r\nその他");
  EXPECT_EQ(memory.window.Title(), u"Vorenta");
  EXPECT_FALSE(logic.KeywordListEntryAt(0).lines) << "no count before a search";

  const int repaints = memory.keyword_list.Repaints();
  logic.OnSearchClick();
  EXPECT_EQ(memory.window.Title(), texts::TitleWithHits(3));
  EXPECT_GT(memory.keyword_list.Repaints(), repaints);
  std::vector<std::optional<int>> lines;
  for (int i = 0; i < 5; ++i) lines.push_back(logic.KeywordListEntryAt(i).lines);
  EXPECT_EQ(lines, (std::vector<std::optional<int>>{2, 1, 0, 2, 3}));
  EXPECT_EQ(memory.keyword_list.ItemText(4), u"") << "the list keeps the keywords themselves";

  const int repaints_before_paste = memory.keyword_list.Repaints();
  Paste(u"セール");
  EXPECT_EQ(memory.window.Title(), u"Vorenta");
  EXPECT_FALSE(logic.KeywordListEntryAt(0).lines);
  EXPECT_GT(memory.keyword_list.Repaints(), repaints_before_paste) << "the counts go";
}

TEST_F(FindYourWay, EachKeywordHasItsColourInListOrderTheSameInTheListAndThePane) {
  logic.SetKeywords({u"セール", u"", u"送料", u"セール", u"ル送"});
  Paste(u"セール送料");
  logic.OnSearchClick();

  const KeywordListEntry empty = logic.KeywordListEntryAt(1);
  EXPECT_TRUE(empty.empty);
  EXPECT_FALSE(empty.colour) << "the empty keyword marks nothing";
  EXPECT_TRUE(logic.KeywordListEntryAt(3).repeated);
  EXPECT_FALSE(logic.KeywordListEntryAt(0).repeated);
  EXPECT_EQ(logic.KeywordListEntryAt(2).colour, KeywordColourAt(2));
  EXPECT_EQ(logic.KeywordListEntryAt(3).colour, KeywordColourAt(0)) << "a repeat takes the first's";
  // ル送 overlaps both and loses to each, earlier in the list.
  EXPECT_EQ(logic.HighlightsIn(u"セール送料"),
            (std::vector<Highlight>{{0, 3, KeywordColourAt(0)}, {3, 5, KeywordColourAt(2)}}));

  // Colours stay with their keywords when one above is removed.
  memory.keyword_list.SetCurrentIndex(0);
  logic.OnKeywordListKey(kKeyDelete, 0);
  EXPECT_EQ(logic.KeywordListEntryAt(1).colour, KeywordColourAt(2));
  EXPECT_FALSE(logic.KeywordListEntryAt(2).repeated);
}

TEST_F(FindYourWay, OnlyAWebAddressASenderRowCouldHoldIsOpened) {
  struct Case {
    std::u16string typed;
    bool opened;
    bool told;
  };
  const Case cases[] = {
      {u"https://shop.example/new?a=1", true, false},
      {u"  http://shop.example/  ", true, false},
      {u"", false, false},
      {u"javascript:alert(1)", false, true},
      {u"file:///C:/Windows/system32/calc.exe", false, true},
      {u"http://shop.example/a b", false, true},
      {u"http://shop.example/\"onclick", false, true},
      {u"http://", false, true},
  };
  for (const Case& c : cases) {
    const size_t opened = memory.process.opened().size();
    memory.dialogs.Forget();
    memory.address_box.SetText(c.typed);
    logic.OnAddressBoxKey(kKeyEnter, 0);
    EXPECT_EQ(memory.process.opened().size(), opened + (c.opened ? 1 : 0));
    EXPECT_EQ(memory.dialogs.shown().size(), c.told ? 1u : 0u);
  }
  EXPECT_EQ(memory.process.opened().back(), u"http://shop.example/");
  EXPECT_TRUE(memory.process.started().empty());

  memory.process.SetBrowserMissing(true);
  memory.dialogs.Forget();
  logic.RunMenuCommand(MenuCommand::kOpenAddress);
  EXPECT_EQ(memory.dialogs.shown().size(), 1u) << "a browser that does not start is told";
}

}  // namespace
}  // namespace vorenta
