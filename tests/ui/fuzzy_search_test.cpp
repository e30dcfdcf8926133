// The fuzzy search option and the highlights of what the search found.

#include "support/mail_lines.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

class FuzzySearch : public WindowLogicTest {
 protected:
  void SwitchFold() { logic.RunMenuCommand(MenuCommand::kFuzzySearch); }
};

TEST_F(FuzzySearch, OffByDefaultSearchIsExactOnItFindsOtherForms) {
  logic.SetKeywords({u"セール", u"sale", u"5000円"});
  Paste(u"ｾｰﾙ\r\nせーる\r\nBIG SALE\r\n５０００円\r\nセ-ル\r\n");
  logic.OnSearchClick();
  EXPECT_TRUE(memory.mail_pane.SelectedIndexes().empty());
  SwitchFold();
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(FuzzySearch, FirstKeywordPositionGivesPositionsInTheOriginalLine) {
  logic.SetKeywords({u"ガイド", u"送料"});
  Paste(u"送料とｶﾞｲﾄﾞ\r");
  EXPECT_EQ(logic.FirstKeywordPositionIn(0), 1);
  SwitchFold();
  EXPECT_EQ(logic.FirstKeywordPositionIn(0), 4);
}

TEST_F(FuzzySearch, HighlightsFollowTheListOfTheLastSearchUntilTheNextPaste) {
  logic.SetKeywords({u"sale"});
  Paste(u"SALE and sale\rnothing");
  EXPECT_TRUE(logic.HighlightsIn(u"sale").empty()) << "nothing before the first search";
  logic.OnSearchClick();
  EXPECT_EQ(logic.HighlightsIn(u"SALE and sale"), (std::vector<Highlight>{{9, 13, 0}}));

  memory.keyword_box.SetText(u"and");
  logic.OnKeywordBoxKey(kKeyEnter, 0);
  EXPECT_EQ(logic.HighlightsIn(u"SALE and sale").size(), 1u) << "a new keyword waits for 検索";
  SwitchFold();
  logic.OnSearchClick();
  EXPECT_EQ(logic.HighlightsIn(u"SALE and sale"),
            (std::vector<Highlight>{{0, 4, 0}, {5, 8, 1}, {9, 13, 0}}));

  Paste(u"sale");
  EXPECT_TRUE(logic.HighlightsIn(u"sale").empty());
}

}  // namespace
}  // namespace vorenta
