#include "form1_fixture.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;
using KeywordList = Form1Test;

TEST_F(KeywordList, EnterAppendsTheEntryTextAndKeepsIt) {
  memory.text2.SetText(u"セール");
  form.Text2_KeyDown(kKeyEnter, 0);
  form.Text2_KeyDown(kKeyEnter, kShiftMask);
  EXPECT_EQ(form.Keywords(), (Keywords{u"セール", u"セール"}));
  EXPECT_EQ(memory.text2.Text(), u"セール");
  EXPECT_TRUE(form.KeywordsEdited());
}

TEST_F(KeywordList, EnterInAnEmptyBoxAddsAnEmptyKeywordAndOtherKeysNothing) {
  form.Text2_KeyDown(65, 0);
  EXPECT_EQ(memory.list2.Count(), 0);
  EXPECT_FALSE(form.KeywordsEdited());
  form.Text2_KeyDown(kKeyEnter, 0);
  EXPECT_EQ(form.Keywords(), (Keywords{u""}));
}

TEST_F(KeywordList, DoubleClickRemovesTheCurrentKeyword) {
  form.SetKeywords({u"一", u"二", u"三"});
  EXPECT_FALSE(form.KeywordsEdited());
  memory.list2.SetCurrentIndex(1);
  form.List2_DblClick();
  EXPECT_EQ(form.Keywords(), (Keywords{u"一", u"三"}));
  EXPECT_TRUE(form.KeywordsEdited());
}

TEST_F(KeywordList, DoubleClickWithNoCurrentKeywordDoesNothing) {
  form.SetKeywords({u"一", u"二"});
  form.List2_DblClick();
  memory.list2.SetCurrentIndex(7);
  form.List2_DblClick();
  EXPECT_EQ(form.Keywords(), (Keywords{u"一", u"二"}));
  EXPECT_FALSE(form.KeywordsEdited());
}

}  // namespace
}  // namespace vorenta
