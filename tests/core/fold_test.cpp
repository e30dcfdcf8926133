#include "core/fold.h"

#include <gtest/gtest.h>

#include <ios>
#include <vector>

namespace vorenta {
namespace {

struct FoldPair {
  const char* rule;
  std::u16string a, b;
};

class FoldsEqual : public testing::TestWithParam<FoldPair> {};

TEST_P(FoldsEqual, BothSidesFoldToTheSameText) {
  EXPECT_EQ(FoldText(GetParam().a), FoldText(GetParam().b)) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(Classes, FoldsEqual,
                         testing::Values(FoldPair{"ASCII case", u"Sale", u"sALE"},
                                         FoldPair{"full-width letters", u"ｓａｌｅ", u"SALE"},
                                         FoldPair{"full-width digits and punctuation",
                                                  u"５０００円！（税込）", u"5000円!(税込)"},
                                         FoldPair{"ideographic space", u"春　夏", u"春 夏"},
                                         FoldPair{"half-width katakana", u"ｾｰﾙ", u"セール"},
                                         FoldPair{"voiced mark composed", u"ｶﾞｲﾄﾞ", u"ガイド"},
                                         FoldPair{"semi-voiced mark composed", u"ﾊﾟﾝﾌﾟ", u"パンプ"},
                                         FoldPair{"vu", u"ｳﾞｨ", u"ヴィ"},
                                         FoldPair{"wa and wo with marks", u"ﾜﾞｦﾞ", u"ヷヺ"},
                                         FoldPair{"lone marks", u"ｱﾞﾟ", u"ア゛゜"},
                                         FoldPair{"half-width punctuation", u"｡｢｣､･",
                                                  u"。「」、・"},
                                         FoldPair{"hiragana", u"せーる", u"セール"},
                                         FoldPair{"iteration marks", u"ゝゞ", u"ヽヾ"},
                                         FoldPair{"wave dashes", u"〜", u"～"},
                                         FoldPair{"hyphens and minus", u"‐‑‒–−－", u"------"}));

class FoldsApart : public testing::TestWithParam<FoldPair> {};

TEST_P(FoldsApart, TheSidesStayDifferent) {
  EXPECT_NE(FoldText(GetParam().a), FoldText(GetParam().b)) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(Classes, FoldsApart,
                         testing::Values(FoldPair{"voiced and unvoiced", u"は", u"ば"},
                                         FoldPair{"half-width voiced and unvoiced", u"ﾊ", u"ﾊﾞ"},
                                         FoldPair{"small and large", u"ッ", u"ツ"},
                                         FoldPair{"small tsu half-width", u"ｯ", u"ツ"},
                                         FoldPair{"kanji", u"円", u"圓"},
                                         FoldPair{"em dash", u"—", u"-"}));

TEST(FoldText, OriginMapsEachFoldedUnitBackWhereLengthsChange) {
  std::vector<int> origin;
  EXPECT_EQ(FoldText(u"aｶﾞbﾊﾟ", &origin), u"aガbパ");
  EXPECT_EQ(origin, (std::vector<int>{0, 1, 3, 4, 6}));
}

TEST(FoldText, NoCompositionAcrossAnythingButAHalfWidthKana) {
  EXPECT_EQ(FoldText(u"カﾞ"), u"カ゛");
  EXPECT_EQ(FoldText(u"ﾞ"), u"゛");
  EXPECT_EQ(FoldText(u"ｯﾞ"), u"ッ゛");
}

// The matcher folds its classes in place and relies on both.
TEST(FoldUnit, AFoldedUnitFoldsToItselfAndTheListOfChangedUnitsIsComplete) {
  std::vector<char16_t> changed;
  for (int c = 0; c <= 0xFFFF; ++c) {
    const char16_t unit = static_cast<char16_t>(c);
    EXPECT_EQ(FoldUnit(FoldUnit(unit)), FoldUnit(unit)) << std::hex << c;
    if (FoldUnit(unit) != unit) changed.push_back(unit);
  }
  EXPECT_EQ(UnitsThatFold(), changed);
}

}  // namespace
}  // namespace vorenta
