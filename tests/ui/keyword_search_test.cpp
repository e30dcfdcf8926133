#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using KeywordSearch = WindowLogicTest;

TEST_F(KeywordSearch, SelectsLinesWithAnyKeywordAndKeepsOthers) {
  logic.SetKeywords({u"セール", u"送料"});
  Paste(u"春のセール\r\n新着\r\n送料無料\r\n入荷\r\n");
  memory.mail_pane.SetSelected(3);
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 2, 3}));
}

TEST_F(KeywordSearch, FirstKeywordPositionGivesThePositionOfTheFirstKeywordInListOrder) {
  logic.SetKeywords({u"セール", u"送料"});
  Paste(u"送料無料のセール\rなし\r");
  EXPECT_EQ(logic.FirstKeywordPositionIn(0), 6);
  EXPECT_EQ(logic.FirstKeywordPositionIn(1), 0);
  EXPECT_EQ(logic.FirstKeywordPositionIn(2), 0);
  EXPECT_EQ(logic.FirstKeywordPositionIn(99), 0);
}

TEST_F(KeywordSearch, MatchingIsCaseAndWidthSensitive) {
  logic.SetKeywords({u"sale"});
  Paste(u"BIG SALE\rｓａｌｅ\rsale!");
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{2}));
}

TEST_F(KeywordSearch, ASecondSearchAddsSelectionsAndRemovesNone) {
  logic.SetKeywords({u"a"});
  Paste(u"a\rb\rc");
  logic.OnSearchClick();
  memory.keyword_list.Clear();
  logic.SetKeywords({u"c"});
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 2}));
}

TEST_F(KeywordSearch, EmptyKeywordSelectsEveryNonEmptyLine) {
  logic.SetKeywords({u"zzz", u""});
  Paste(u"a\r\rb\r");
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0, 2}));
}

TEST_F(KeywordSearch, NothingToSearchChangesNothingButStillShowsThePane) {
  Paste(u"a\rb");
  logic.OnSearchClick();
  EXPECT_TRUE(memory.mail_pane.SelectedIndexes().empty());
  memory.mail_pane.Clear();
  logic.SetKeywords({u"a"});
  logic.OnSearchClick();
  EXPECT_TRUE(memory.mail_pane.IsVisible());
}

TEST_F(KeywordSearch, PaneIsHiddenDuringTheWalk) {
  logic.SetKeywords({u"x"});
  Paste(u"x\rx\rx");
  const int before = memory.mail_pane.VisibleChanges();
  const int repaints = memory.mail_pane.Repaints();
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes().size(), 3u);
  EXPECT_EQ(memory.mail_pane.VisibleChanges(), before);
  EXPECT_EQ(memory.mail_pane.Repaints(), repaints + 1);
  EXPECT_TRUE(memory.mail_pane.IsVisible());
}

TEST_F(KeywordSearch, ReachesLinesPastThe16BitLimit) {
  logic.SetKeywords({u"当たり"});
  std::u16string mail;
  for (int i = 0; i < 40000; ++i) mail += u"はずれ\r";
  mail += u"当たり";
  Paste(mail);
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{40000}));
}

TEST_F(KeywordSearch, KeywordAddedLaterTakesEffectOnlyAtTheNextSearch) {
  Paste(u"セール");
  memory.keyword_box.SetText(u"セール");
  logic.OnKeywordBoxKey(kKeyEnter, 0);
  EXPECT_TRUE(memory.mail_pane.SelectedIndexes().empty());
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), (std::vector<int>{0}));
}

}  // namespace
}  // namespace vorenta
