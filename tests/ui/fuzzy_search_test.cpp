// The fuzzy search option and the highlights of what the search found.

#include "form1_fixture.h"

namespace vorenta {
namespace {

class FuzzySearch : public Form1Test {
 protected:
  void SwitchFold() { form.RunMenuCommand(MenuCommand::kFuzzySearch); }
};

TEST_F(FuzzySearch, OffByDefaultSearchIsExactOnItFindsOtherForms) {
  form.SetKeywords({u"セール", u"sale", u"5000円"});
  Paste(u"ｾｰﾙ\r\nせーる\r\nBIG SALE\r\n５０００円\r\nセ-ル\r\n");
  form.Command1_Click();
  EXPECT_TRUE(memory.list1.SelectedIndexes().empty());
  SwitchFold();
  form.Command1_Click();
  EXPECT_EQ(memory.list1.SelectedIndexes(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(FuzzySearch, HanteiGivesPositionsInTheOriginalLine) {
  form.SetKeywords({u"ガイド", u"送料"});
  Paste(u"送料とｶﾞｲﾄﾞ\r");
  EXPECT_EQ(form.HANTEI(0), 1);
  SwitchFold();
  EXPECT_EQ(form.HANTEI(0), 4);
}

TEST_F(FuzzySearch, HighlightsFollowTheListOfTheLastSearchUntilTheNextPaste) {
  form.SetKeywords({u"sale"});
  Paste(u"SALE and sale\rnothing");
  EXPECT_TRUE(form.HighlightsIn(u"sale").empty()) << "nothing before the first search";
  form.Command1_Click();
  EXPECT_EQ(form.HighlightsIn(u"SALE and sale"), (std::vector<TextRange>{{9, 13}}));

  memory.text2.SetText(u"and");
  form.Text2_KeyDown(kKeyEnter, 0);
  EXPECT_EQ(form.HighlightsIn(u"SALE and sale").size(), 1u) << "a new keyword waits for 検索";
  SwitchFold();
  form.Command1_Click();
  EXPECT_EQ(form.HighlightsIn(u"SALE and sale"), (std::vector<TextRange>{{0, 4}, {5, 8}, {9, 13}}));

  Paste(u"sale");
  EXPECT_TRUE(form.HighlightsIn(u"sale").empty());
}

}  // namespace
}  // namespace vorenta
