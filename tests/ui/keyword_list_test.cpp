#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;
using KeywordList = WindowLogicTest;

TEST_F(KeywordList, EnterAppendsTheEntryTextAndKeepsIt) {
  memory.keyword_box.SetText(u"セール");
  logic.OnKeywordBoxKey(kKeyEnter, 0);
  logic.OnKeywordBoxKey(kKeyEnter, kShiftMask);
  EXPECT_EQ(logic.Keywords(), (Keywords{u"セール", u"セール"}));
  EXPECT_EQ(memory.keyword_box.Text(), u"セール");
  EXPECT_TRUE(logic.KeywordsEdited());
}

TEST_F(KeywordList, EnterInAnEmptyBoxAddsAnEmptyKeywordAndOtherKeysNothing) {
  logic.OnKeywordBoxKey(65, 0);
  EXPECT_EQ(memory.keyword_list.Count(), 0);
  EXPECT_FALSE(logic.KeywordsEdited());
  logic.OnKeywordBoxKey(kKeyEnter, 0);
  EXPECT_EQ(logic.Keywords(), (Keywords{u""}));
}

TEST_F(KeywordList, DoubleClickRemovesTheCurrentKeyword) {
  logic.SetKeywords({u"一", u"二", u"三"});
  EXPECT_FALSE(logic.KeywordsEdited());
  memory.keyword_list.SetCurrentIndex(1);
  logic.OnKeywordDoubleClick();
  EXPECT_EQ(logic.Keywords(), (Keywords{u"一", u"三"}));
  EXPECT_TRUE(logic.KeywordsEdited());
}

TEST_F(KeywordList, DoubleClickWithNoCurrentKeywordDoesNothing) {
  logic.SetKeywords({u"一", u"二"});
  logic.OnKeywordDoubleClick();
  memory.keyword_list.SetCurrentIndex(7);
  logic.OnKeywordDoubleClick();
  EXPECT_EQ(logic.Keywords(), (Keywords{u"一", u"二"}));
  EXPECT_FALSE(logic.KeywordsEdited());
}

}  // namespace
}  // namespace vorenta
