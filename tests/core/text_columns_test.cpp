#include "core/text_columns.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

TEST(DisplayColumns, HalfWidthCountsOneTheRestTwo) {
  EXPECT_EQ(DisplayColumns(u""), 0);
  EXPECT_EQ(DisplayColumns(u"abc ~"), 5);
  EXPECT_EQ(DisplayColumns(u"ｾｰﾙ"), 3);
  EXPECT_EQ(DisplayColumns(u"セール"), 6);
  EXPECT_EQ(DisplayColumns(u"a\U0001F600"), 3);
}

TEST(WidestLines, KeepsTheWidestAndTellsTheMost) {
  WidestLines widest(3);
  const int columns[] = {5, 9, 1, 9, 7, 2, 12};
  for (int i = 0; i < 7; ++i) widest.Offer(i, columns[i]);
  EXPECT_EQ(widest.Indexes(), (std::vector<int>{6, 1, 3}));
  EXPECT_EQ(widest.MostColumns(), 12);
  EXPECT_TRUE(WidestLines(0).Indexes().empty());
}

}  // namespace
}  // namespace vorenta
