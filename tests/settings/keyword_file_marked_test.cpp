// Lists the plain form cannot carry: the writer switches to the marked form
// for them and only for them, and every list reads back item for item.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ansi_codec.h"
#include "settings/keyword_file.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kMarkerLine = "#Vorenta keywords format 2\r\n";
const std::u16string kMarker(kKeywordFileMarker);
const std::u16string kNul(1, u'\0');
const std::u16string kHigh(1, u'\xD800');
const std::u16string kLow(1, u'\xDC00');

class MarkedForm : public testing::Test {
 protected:
  std::string Write(const Keywords& keywords) const { return WriteKeywordFile(keywords, *codec_); }
  KeywordFileContent Read(const std::string& bytes) const {
    return ReadKeywordFile(bytes, *codec_);
  }
  bool IsMarked(const std::string& bytes) const { return bytes.starts_with(kBom + kMarkerLine); }

  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
};

struct RoundTripCase {
  const char* name;
  Keywords keywords;
  bool marked;  // the plain form cannot carry the list
};

class EveryList : public MarkedForm, public testing::WithParamInterface<RoundTripCase> {};

TEST_P(EveryList, ReadsBackItemForItemInTheFormItNeeds) {
  const std::string bytes = Write(GetParam().keywords);
  const KeywordFileContent content = Read(bytes);
  EXPECT_EQ(content.keywords, GetParam().keywords);
  EXPECT_FALSE(content.lossy);
  EXPECT_EQ(IsMarked(bytes), GetParam().marked);
}

const RoundTripCase kRoundTripCases[] = {
    {"QuoteFirstThenQuotedNeighbours", {u"\"限定", u"セール", u" 送料 "}, true},
    {"QuoteAfterCrThenComma", {u"a\r\"b", u"x,y"}, true},
    {"QuotesAndCommaInOneKeyword", {u"5\" floppy, 3.5\" disk"}, true},
    {"OneQuote", {u"\""}, true},
    {"TwoQuotes", {u"\"\""}, true},
    {"QuotedWordThenRest", {u"\"quoted\" rest"}, true},
    {"QuoteWithLeadingSpace", {u" \"lead"}, true},
    {"QuoteWithTrailingSpace", {u"trail\" "}, true},
    {"NulBesideQuote", {u"a" + kNul + u"\"b,", kNul}, true},
    {"LoneSurrogatesBesideQuote", {kHigh + u"\",", kLow, kHigh}, true},
    {"EmojiAfterQuote", {u"\"😀", u","}, true},
    {"CrAloneBesideQuote", {u"\r\"", u"\r"}, true},
    {"LfAloneBesideQuote", {u"\n", u"\"\n"}, true},
    {"EmptyFirstAndLast", {u"", u"\"a", u""}, true},
    {"OnlyEmptyKeywordsAndAQuote", {u"", u"\"", u""}, true},
    {"MarkerFirstInAUtf8List", {kMarker, u"😀"}, true},
    {"MarkerFirstWithAQuote", {kMarker, u"\"x"}, true},
    {"QuoteThenByteOrderMark", {u"\"\uFEFF", u"x"}, true},
    {"EmptyList", {}, false},
    {"EmptyKeywordsOnly", {u"", u""}, false},
    {"MarkerInACodePage932List", {kMarker, u"セール"}, false},
    {"MarkerLaterInAUtf8List", {u"😀", kMarker}, false},
    {"QuoteThatNeedsNoQuoting", {u"say \"hi\"", u"😀"}, false},
    {"ByteOrderMarkThenQuote", {u"\uFEFF\"", u"x"}, false},
    {"EmojiThenQuote", {u"😀\"", u","}, false},
    {"NoQuotes", {u" a ", u"a,b", u"\r\n", kNul, u"😀", kHigh}, false},
};
INSTANTIATE_TEST_SUITE_P(Lists, EveryList, testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MarkedForm, IsTheMarkLineThenOneLinePerKeywordWithQuotesDoubled) {
  // "限定 / セール / " 送料 ": only the first and last need quotes.
  EXPECT_EQ(Write({u"\"限定", u"セール", u" 送料 "}),
            kBom + kMarkerLine + "\"\"\"\xE9\x99\x90\xE5\xAE\x9A\"\r\n" +
                "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB\r\n" + "\" \xE9\x80\x81\xE6\x96\x99 \"\r\n");
  EXPECT_EQ(Write({u"a,\"b\"", u"", u"x"}),
            kBom + kMarkerLine + "\"a,\"\"b\"\"\"\r\n\"\"\r\nx\r\n");
}

TEST_F(MarkedForm, KeepsThePlainBytesOfAUtf8ListWithAHarmlessQuote) {
  EXPECT_EQ(Write({u"😀 say \"hi\""}), kBom + "\xF0\x9F\x98\x80 say \"hi\"\r\n");
}

struct ReaderCase {
  const char* rule;
  std::string text;  // after the byte-order mark
  Keywords expected;
};

class MarkedReader : public MarkedForm, public testing::WithParamInterface<ReaderCase> {};

TEST_P(MarkedReader, ReadsTheFields) {
  EXPECT_EQ(Read(kBom + GetParam().text).keywords, GetParam().expected) << GetParam().rule;
}

const ReaderCase kReaderCases[] = {
    {"doubled quotes inside quotes are one", kMarkerLine + "\"a\"\"b\"\r\n", {u"a\"b"}},
    {"a lone quote closes", kMarkerLine + "\"a\"b,c\r\n", {u"a", u"c"}},
    {"quoted fields run across line ends", kMarkerLine + "\"a\r\n\"\"b\"\r\n", {u"a\r\n\"b"}},
    {"an unclosed quote runs to its line end, pairs undoubled",
     kMarkerLine + "\"a\"\"b\r\nc\r\n",
     {u"a\"b", u"c"}},
    {"bare fields follow the plain rules", kMarkerLine + "  a , b\"c\r\n", {u"a", u"b\"c"}},
    {"the marker line may end in LF alone", "#Vorenta keywords format 2\n\"\"\"\"\n", {u"\""}},
    {"the marker line may end in CR alone", "#Vorenta keywords format 2\r\"\"\"\"", {u"\""}},
    {"the marker alone is an empty list", "#Vorenta keywords format 2", {}},
    {"a different line is no marker",
     "#Vorenta keywords format 2 \r\n\"a\"\"b\"\r\n",
     {u"#Vorenta keywords format 2", u"a"}},
    {"the marker must be the first line", "x\r\n" + kMarkerLine, {u"x", kMarker}},
};
INSTANTIATE_TEST_SUITE_P(Rules, MarkedReader, testing::ValuesIn(kReaderCases));

TEST_F(MarkedForm, TheMarkerInACodePage932FileIsAKeyword) {
  EXPECT_EQ(Read(kMarkerLine + "\"a\"\"b\"\r\n").keywords, (Keywords{kMarker, u"a"}));
}

TEST_F(MarkedForm, ReportsInvalidBytesAfterTheMarker) {
  const KeywordFileContent content = Read(kBom + kMarkerLine + "a\xFF\r\n");
  EXPECT_EQ(content.keywords, Keywords{u"a\uFFFD"});
  EXPECT_TRUE(content.lossy);
}

TEST_F(MarkedForm, AMultiMegabyteMarkedFileIsReadAndWritten) {
  Keywords keywords;
  for (int i = 0; i < 200000; ++i) keywords.push_back(i % 2 ? u"\"セール\"" : u"a,\"b\r\n");
  const std::string bytes = Write(keywords);
  EXPECT_TRUE(IsMarked(bytes));
  EXPECT_GT(bytes.size(), 2'000'000u);
  EXPECT_EQ(Read(bytes).keywords, keywords);
}

}  // namespace
}  // namespace vorenta
