#include "support/keyword_match.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

TEST(KeywordPosition, IsOneBasedLeftmostExactOccurrence) {
  EXPECT_EQ(KeywordPosition(u"本日セール、明日もセール", u"セール"), 3);
  EXPECT_EQ(KeywordPosition(u"セール", u"セール"), 1);
  EXPECT_EQ(KeywordPosition(u"abc", u"abcd"), 0);
  EXPECT_EQ(KeywordPosition(u"abc", u"c"), 3);
}

TEST(KeywordPosition, IsCaseAndWidthSensitive) {
  EXPECT_EQ(KeywordPosition(u"BIG SALE", u"sale"), 0);
  EXPECT_EQ(KeywordPosition(u"ｓａｌｅ", u"sale"), 0);
  EXPECT_EQ(KeywordPosition(u"セール", u"ｾｰﾙ"), 0);
  EXPECT_EQ(KeywordPosition(u"big sale", u"sale"), 5);
}

TEST(KeywordPosition, EmptyKeywordMatchesAtOneExceptInEmptyLine) {
  EXPECT_EQ(KeywordPosition(u"x", u""), 1);
  EXPECT_EQ(KeywordPosition(u"", u""), 0);
  EXPECT_EQ(KeywordPosition(u"", u"x"), 0);
}

TEST(KeywordPosition, CountsPositionsPastThe16BitRange) {
  std::u16string line(40000, u'.');
  line += u"送料";
  EXPECT_EQ(KeywordPosition(line, u"送料"), 40001);
}

TEST(FirstKeywordPosition, FirstKeywordInListOrderDecidesNotTheLeftmost) {
  const std::u16string line = u"送料無料のセール";
  EXPECT_EQ(FirstKeywordPosition(line, {u"セール", u"送料"}), 6);
  EXPECT_EQ(FirstKeywordPosition(line, {u"送料", u"セール"}), 1);
  EXPECT_EQ(FirstKeywordPosition(line, {u"新着", u"セール"}), 6);
}

TEST(FirstKeywordPosition, NoKeywordsOrNoMatchGivesZero) {
  EXPECT_EQ(FirstKeywordPosition(u"セール", {}), 0);
  EXPECT_EQ(FirstKeywordPosition(u"セール", {u"新着", u"送料"}), 0);
  EXPECT_EQ(FirstKeywordPosition(u"", {u""}), 0);
}

}  // namespace
}  // namespace vorenta
