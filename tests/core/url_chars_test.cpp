#include "core/url_chars.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vorenta {
namespace {

TEST(UrlChars, HoldsTheFortyEightCodesInTableOrder) {
  const std::u16string expected = u"#%&-./0123456789:=?@_abcdefghijklmnopqrstuvwxyz~";
  const auto table = BuildUrlChars();
  EXPECT_EQ(std::u16string(table.begin(), table.end()), expected);
}

TEST(UrlChars, CapitalsCountButOtherPunctuationAndNonAsciiEndAnAddress) {
  const auto table = BuildUrlChars();
  for (char16_t c : std::u16string(u"AZaz09#%&-./:=?@_~"))
    EXPECT_TRUE(IsUrlChar(c, table)) << static_cast<int>(c);
  for (char16_t c : std::u16string(u" \"<>(),;!$*+'[]{}|\\^`ａＡ「」。\t")) {
    EXPECT_FALSE(IsUrlChar(c, table)) << static_cast<int>(c);
  }
}

TEST(UrlRunLength, CountsFromPUpToTheFirstNonAddressCharacter) {
  const auto table = BuildUrlChars();
  EXPECT_EQ(UrlRunLength(u"http x", 1, table), 4);
  EXPECT_EQ(UrlRunLength(u"a http://e.jp/ b", 3, table), 12);
  // The character at p itself is not tested.
  EXPECT_EQ(UrlRunLength(u" ab c", 1, table), 3);
}

TEST(UrlRunLength, IsZeroWhenTheStringEndsFirst) {
  const auto table = BuildUrlChars();
  EXPECT_EQ(UrlRunLength(u"http://e.jp", 1, table), 0);
  EXPECT_EQ(UrlRunLength(u"h", 1, table), 0);
}

TEST(UrlRunLength, AnyIntPositionIsSafe) {
  const auto table = BuildUrlChars();
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  struct Case {
    int p;
    int length;
  };
  // In " ab c" the first non-address character after position 1 is at 4.
  const Case cases[] = {
      {kMax, 0}, {kMax - 1, 0}, {6, 0},      {5, 0},           {4, 0},           {3, 1},
      {0, 1},    {-1, 2},       {-100, 101}, {kMin + 2, kMax}, {kMin + 1, kMax}, {kMin, kMax},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UrlRunLength(u" ab c", c.p, table), c.length) << c.p;
  }
  EXPECT_EQ(UrlRunLength(u"", kMax, table), 0);
  EXPECT_EQ(UrlRunLength(u"", kMin, table), 0);
}

struct ExtractCase {
  const char* name;
  std::u16string line;
  std::u16string url;
};

class ExtractUrlTest : public testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractUrlTest, CutsTheAddressAClickWouldCopy) {
  EXPECT_EQ(ExtractUrl(GetParam().line, BuildUrlChars()), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExtractUrlTest,
    testing::Values(ExtractCase{"BetweenSpaces",
                                u"詳しくは http://www.example.jp/a/b.html?id=3&x=y_z 新着です",
                                u"http://www.example.jp/a/b.html?id=3&x=y_z"},
                    ExtractCase{"AtLineEndWithoutSentinel", u"→http://example.com/~shop/#top",
                                u"http://example.com/~shop/#top"},
                    ExtractCase{"BeforeFullWidthBracket",
                                u"「http://example.jp/new」をご覧ください",
                                u"http://example.jp/new"},
                    ExtractCase{"CapitalsKept", u"see http://WWW.EXAMPLE.JP/Sale",
                                u"http://WWW.EXAMPLE.JP/Sale"},
                    ExtractCase{"CapitalHttpIsNotFound", u"HTTP://EXAMPLE.JP/", u""},
                    ExtractCase{"FirstOfTwo", u"http://a.example.jp/ http://b.example.jp/",
                                u"http://a.example.jp/"},
                    ExtractCase{"HttpFollowedBySpace", u"http は", u"http"},
                    ExtractCase{"Https", u"<https://example.net/x>", u"https://example.net/x"},
                    ExtractCase{"CommaEndsIt", u"http://example.jp/a,b", u"http://example.jp/a"},
                    ExtractCase{"NoHttp", u"送料無料", u""}, ExtractCase{"EmptyLine", u"", u""},
                    ExtractCase{"HttpAlone", u"http", u"http"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractUrl, FindsAnAddressPastThe16BitRange) {
  const std::u16string line = std::u16string(40000, u'あ') + u"http://example.jp/z 終";
  EXPECT_EQ(ExtractUrl(line, BuildUrlChars()), u"http://example.jp/z");
}

}  // namespace
}  // namespace vorenta
