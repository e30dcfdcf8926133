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

TEST_F(KeywordList, TheListBoxShowsTheListAndIsNeverReadBack) {
  logic.SetKeywords({u"一", u"二"});
  memory.keyword_box.SetText(u"三");
  logic.OnKeywordBoxKey(kKeyEnter, 0);
  std::vector<std::u16string> shown;
  memory.keyword_list.ForEachItem([&](int, std::u16string_view item) { shown.emplace_back(item); });
  EXPECT_EQ(shown, (Keywords{u"一", u"二", u"三"}));
  // What the box shows is no source: a search and a save use the list.
  memory.keyword_list.Clear();
  Paste(u"x\r二");
  logic.OnSearchClick();
  EXPECT_EQ(memory.mail_pane.SelectedIndexes(), std::vector<int>{1});
  EXPECT_TRUE(logic.MayClose(/*may_ask=*/false));
  EXPECT_EQ(memory.files.Content(u"C:\\Vorenta\\SMdata1.dat"),
            "\x88\xea\r\n\x93\xf1\r\n\x8e\x4f\r\n");
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
