#include "ui/win32/twips.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

struct TwipsCase {
  float twips;
  int dpi;
  int pixels;
};

class TwipsToPixelsTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, RoundsToTheNearestPixelAtTheDpi) {
  const TwipsCase& c = GetParam();
  EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(DesignValues, TwipsToPixelsTest,
                         ::testing::Values(TwipsCase{8565, 96, 571}, TwipsCase{8040, 96, 536},
                                           TwipsCase{7320, 96, 488}, TwipsCase{1850, 96, 123},
                                           TwipsCase{7320, 144, 732}, TwipsCase{60, 120, 5},
                                           TwipsCase{8415, 192, 1122},
                                           // Halves go away from zero, as MulDiv does.
                                           TwipsCase{7.5f, 96, 1}, TwipsCase{-7.5f, 96, -1},
                                           TwipsCase{-1200, 96, -80}, TwipsCase{0, 96, 0}));

TEST(TwipsToPixelsAtLeast, NeverReadsBackBelowTheRequest) {
  for (int dpi : {96, 120, 144, 168, 192, 240}) {
    for (float twips : {1850.0f, 3300.0f, 8445.0f, 1.0f, 123.4f}) {
      const int pixels = TwipsToPixelsAtLeast(twips, dpi);
      EXPECT_GE(PixelsToTwips(pixels, dpi), twips) << twips << " at " << dpi;
      EXPECT_LT(PixelsToTwips(pixels - 1, dpi), twips) << twips << " at " << dpi;
    }
  }
}

TEST(PixelsToTwips, IsExactWhereTheDpiDividesAnInch) {
  EXPECT_EQ(PixelsToTwips(579, 96), 8685.0f);
  EXPECT_EQ(PixelsToTwips(563, 96), 8445.0f);
  EXPECT_EQ(PixelsToTwips(-8, 96), -120.0f);
  EXPECT_EQ(PixelsToTwips(100, 144), 1000.0f);
  EXPECT_EQ(PixelsToTwips(100, 120), 1200.0f);
}

}  // namespace
}  // namespace vorenta
