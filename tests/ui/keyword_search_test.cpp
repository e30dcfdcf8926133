#include "form1_fixture.h"

namespace vorenta {
namespace {

using KeywordSearch = Form1Test;

TEST_F(KeywordSearch, SelectsLinesWithAnyKeywordAndKeepsOthers) {
  form.SetKeywords({u"セール", u"送料"});
  Paste(u"春のセール\r\n新着\r\n送料無料\r\n入荷\r\n");
  memory.list1.SetSelected(3);
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{0, 2, 3}));
}

TEST_F(KeywordSearch, HanteiGivesThePositionOfTheFirstKeywordInListOrder) {
  form.SetKeywords({u"セール", u"送料"});
  Paste(u"送料無料のセール\rなし\r");
  EXPECT_EQ(form.HANTEI(0), 6);
  EXPECT_EQ(form.HANTEI(1), 0);
  EXPECT_EQ(form.HANTEI(2), 0);
  EXPECT_EQ(form.HANTEI(99), 0);
}

TEST_F(KeywordSearch, MatchingIsCaseAndWidthSensitive) {
  form.SetKeywords({u"sale"});
  Paste(u"BIG SALE\rｓａｌｅ\rsale!");
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{2}));
}

TEST_F(KeywordSearch, ASecondSearchAddsSelectionsAndRemovesNone) {
  form.SetKeywords({u"a"});
  Paste(u"a\rb\rc");
  form.Command1_Click();
  memory.list2.Clear();
  form.SetKeywords({u"c"});
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{0, 2}));
}

TEST_F(KeywordSearch, EmptyKeywordSelectsEveryNonEmptyLine) {
  form.SetKeywords({u"zzz", u""});
  Paste(u"a\r\rb\r");
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{0, 2}));
}

TEST_F(KeywordSearch, NothingToSearchChangesNothingButStillShowsThePane) {
  Paste(u"a\rb");
  form.Command1_Click();
  EXPECT_TRUE(memory.list1.SelectedIndexes().empty());
  memory.list1.Clear();
  form.SetKeywords({u"a"});
  form.Command1_Click();
  EXPECT_TRUE(memory.list1.IsVisible());
}

TEST_F(KeywordSearch, PaneIsHiddenDuringTheWalk) {
  form.SetKeywords({u"x"});
  Paste(u"x\rx\rx");
  const int before = memory.list1.VisibleChanges();
  const int repaints = memory.list1.Repaints();
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes().size(), 3u);
  EXPECT_EQ(memory.list1.VisibleChanges(), before);
  EXPECT_EQ(memory.list1.Repaints(), repaints + 1);
  EXPECT_TRUE(memory.list1.IsVisible());
}

TEST_F(KeywordSearch, ReachesLinesPastThe16BitLimit) {
  form.SetKeywords({u"当たり"});
  std::u16string mail;
  for (int i = 0; i < 40000; ++i) mail += u"はずれ\r";
  mail += u"当たり";
  Paste(mail);
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{40000}));
}

TEST_F(KeywordSearch, KeywordAddedLaterTakesEffectOnlyAtTheNextSearch) {
  Paste(u"セール");
  memory.text2.SetText(u"セール");
  form.Text2_KeyDown(kKeyEnter, 0);
  EXPECT_TRUE(memory.list1.SelectedIndexes().empty());
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{0}));
}

}  // namespace
}  // namespace vorenta
