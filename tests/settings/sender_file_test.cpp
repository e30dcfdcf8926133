// The user's sender file: which rows reach the lookup, in which text form,
// and how one more row is appended.

#include "settings/sender_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vorenta {
namespace {

using Rows = std::vector<SenderRow>;

const std::string kShopCp932 = "\x83\x56\x83\x87\x83\x62\x83\x76";  // ショップ
const std::string kShopUtf8 = "\xE3\x82\xB7\xE3\x83\xA7\xE3\x83\x83\xE3\x83\x97";
const std::string kBom = "\xEF\xBB\xBF";
const std::u16string kPage = u"https://shop.example.jp/new/";

struct ReadCase {
  const char* rule;
  std::string bytes;
  Rows expected;
};

class SenderFileRead : public testing::TestWithParam<ReadCase> {
 protected:
  std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
};

TEST_P(SenderFileRead, GivesTheRowsThatMaySafelyBeUsed) {
  EXPECT_EQ(ReadSenderFile(GetParam().bytes, *codec), GetParam().expected) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SenderFileRead,
    testing::ValuesIn(std::vector<ReadCase>{
        {"rows in file order, CR LF",
         "b@x.jp>\thttp://x.jp/b\r\na@x.jp>\thttps://x.jp/a?c=1&d=%7E\r\n",
         {{u"b@x.jp>", u"http://x.jp/b"}, {u"a@x.jp>", u"https://x.jp/a?c=1&d=%7E"}}},
        {"LF and a last line without its end",
         "a>\thttp://x.jp/\nb>\thttp://y.jp/",
         {{u"a>", u"http://x.jp/"}, {u"b>", u"http://y.jp/"}}},
        {"comments and empty lines are skipped",
         "# a>\thttp://x.jp/\r\n\r\n\nb>\thttp://y.jp/\r\n",
         {{u"b>", u"http://y.jp/"}}},
        {"the key keeps its spaces", " a b> \thttp://x.jp/\r\n", {{u" a b> ", u"http://x.jp/"}}},
        {"UTF-8 with its mark",
         kBom + kShopUtf8 + "\thttp://x.jp/\r\n",
         {{u"ショップ", u"http://x.jp/"}}},
        {"UTF-8 without a mark",
         kShopUtf8 + "\thttp://x.jp/\r\n",
         {{u"ショップ", u"http://x.jp/"}}},
        {"anything else is the ANSI code page",
         kShopCp932 + "\thttp://x.jp/\r\n",
         {{u"ショップ", u"http://x.jp/"}}},
        {"no tab, an empty key or page", "a> http://x.jp/\r\n\thttp://x.jp/\r\na>\t\r\n", {}},
        {"a second tab belongs to the page and spoils it", "a>\thttp://x.jp/\tb\r\n", {}},
        {"pages that must not reach a command line",
         "a>\thttp://x.jp/a b\r\n"
         "a>\thttp://x.jp/\"a\r\n"
         "a>\tftp://x.jp/\r\n"
         "a>\tHTTP://x.jp/\r\n"
         "a>\thttp:///path\r\n"
         "a>\thttp://x.jp/%zz\r\n"
         "a>\thttp://x.jp/a|b\r\n"
         "a>\thttp://x.jp/\x01\r\n"
         "a>\thttp://x.jp/" +
             kShopUtf8 + "\r\n",
         {}},
        {"UTF-16 text holds NULs in every key", std::string("a\0>\0\t\0h\0", 8), {}},
    }),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(SenderFileRead, AHugeFileIsReadOnlyUpToTheLastLineWithinTheLimit) {
  const auto codec = MakeSystemAnsiCodec();
  const std::string row = "a>\thttp://x.jp/\r\n";
  std::string bytes = row;
  bytes.resize(kMaxSenderFileBytes - 5, '#');
  bytes += "\r\nb>\thttp://y.jp/\r\n";  // crosses the limit
  EXPECT_EQ(ReadSenderFile(bytes, *codec), (Rows{{u"a>", u"http://x.jp/"}}));

  std::string many;
  for (size_t i = 0; i <= kMaxSenderRows; ++i) many += row;
  EXPECT_EQ(ReadSenderFile(many, *codec).size(), kMaxSenderRows);
}

TEST(SenderPageCheck, TakesLongAddressesOnlyUpToTheLimit) {
  const std::u16string base = u"http://x.jp/";
  EXPECT_TRUE(
      IsAcceptableSenderPage(base + std::u16string(kMaxSenderPageLength - base.size(), u'a')));
  EXPECT_FALSE(
      IsAcceptableSenderPage(base + std::u16string(kMaxSenderPageLength + 1 - base.size(), u'a')));
  EXPECT_TRUE(IsAcceptableSenderPage(u"http://[::1]:8080/a;b=c,d!$'()*+@~#top"));
  EXPECT_FALSE(IsAcceptableSenderPage(u"http://x.jp/%4"));
}

struct AppendCase {
  const char* rule;
  std::string previous;
  std::u16string key;
  std::string expected;
};

class SenderFileAppend : public testing::TestWithParam<AppendCase> {
 protected:
  std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
};

TEST_P(SenderFileAppend, AddsOneLineInTheFilesOwnFormAndStyle) {
  const auto bytes = AppendSenderRow(GetParam().previous, {GetParam().key, kPage}, *codec, u"");
  ASSERT_TRUE(bytes.has_value()) << GetParam().rule;
  EXPECT_EQ(*bytes, GetParam().expected) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SenderFileAppend,
    testing::ValuesIn(std::vector<AppendCase>{
        {"CR LF", "a>\thttp://x.jp/\r\n", u"b>",
         "a>\thttp://x.jp/\r\nb>\thttps://shop.example.jp/new/\r\n"},
        {"LF", "a>\thttp://x.jp/\n", u"b>", "a>\thttp://x.jp/\nb>\thttps://shop.example.jp/new/\n"},
        {"a last line without its end", "a>\thttp://x.jp/", u"b>",
         "a>\thttp://x.jp/\r\nb>\thttps://shop.example.jp/new/\r\n"},
        {"UTF-8", kBom + "# c\n", u"ショップ",
         kBom + "# c\n" + kShopUtf8 + "\thttps://shop.example.jp/new/\n"},
        {"ANSI code page", kShopCp932 + "\thttp://x.jp/\r\n", u"ショップ>",
         kShopCp932 + "\thttp://x.jp/\r\n" + kShopCp932 + ">\thttps://shop.example.jp/new/\r\n"},
    }),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(SenderFileAppend, ANewFileIsUtf8WithTheHeaderAsComments) {
  const auto codec = MakeSystemAnsiCodec();
  const auto bytes = AppendSenderRow("", {u"ショップ", kPage}, *codec, u"one\ntwo");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, kBom + "# one\r\n# two\r\n" + kShopUtf8 + "\thttps://shop.example.jp/new/\r\n");
  EXPECT_EQ(ReadSenderFile(*bytes, *codec), (Rows{{u"ショップ", kPage}}));
}

TEST(SenderFileAppend, AnAnsiFileThatCannotHoldTheKeyIsNotTouched) {
  const auto codec = MakeSystemAnsiCodec();
  EXPECT_EQ(AppendSenderRow(kShopCp932 + "\thttp://x.jp/\r\n", {u"\uD55C>", kPage}, *codec, u""),
            std::nullopt);
}

}  // namespace
}  // namespace vorenta
