// The keyword file as bytes: what the writer puts on disk, what the reader
// makes of it, and the round trip through both with the codec of the build
// (code page 932 natively, CP_ACP = 932 under Wine).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ansi_codec.h"
#include "settings/keyword_file.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

// Code page 932 bytes, never left to the compiler's execution charset.
const std::string kSale = "\x83\x5A\x81\x5B\x83\x8B";                  // セール
const std::string kFreeShipping = "\x91\x97\x97\xBF\x96\xB3\x97\xBF";  // 送料無料
const std::string kLimitedItem = "\x8C\xC0\x92\xE8 \x95\x69";          // 限定 品
const std::string kSoft = "\x83\x5C\x83\x74\x83\x67";  // ソフト: a trail byte of 0x5C
const std::string kBom = "\xEF\xBB\xBF";

class KeywordFile : public testing::Test {
 protected:
  std::string Write(const Keywords& keywords) const { return WriteKeywordFile(keywords, *codec_); }
  KeywordFileContent Read(const std::string& bytes) const {
    return ReadKeywordFile(bytes, *codec_);
  }
  Keywords RoundTrip(const Keywords& keywords) const {
    const KeywordFileContent content = Read(Write(keywords));
    EXPECT_FALSE(content.lossy);
    return content.keywords;
  }

  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
};

// The plain cases.

TEST_F(KeywordFile, WritesOneCodePage932LinePerKeyword) {
  EXPECT_EQ(Write({u"セール", u"送料無料", u"限定 品"}),
            kSale + "\r\n" + kFreeShipping + "\r\n" + kLimitedItem + "\r\n");
}

TEST_F(KeywordFile, ReadsCodePage932LinesBack) {
  const KeywordFileContent content =
      Read(kSale + "\r\n" + kFreeShipping + "\r\n" + kLimitedItem + "\r\n");
  EXPECT_EQ(content.keywords, (Keywords{u"セール", u"送料無料", u"限定 品"}));
  EXPECT_FALSE(content.lossy);
}

TEST_F(KeywordFile, AnEmptyListIsAZeroByteFile) {
  EXPECT_EQ(Write({}), "");
  EXPECT_EQ(Read("").keywords, Keywords{});
}

TEST_F(KeywordFile, AnEmptyKeywordIsAnEmptyLineInItsPlace) {
  EXPECT_EQ(Write({u"a", u"", u"b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(RoundTrip({u"a", u"", u"b"}), (Keywords{u"a", u"", u"b"}));
}

TEST_F(KeywordFile, ATrailByteOfBackslashIsNoDelimiter) {
  EXPECT_EQ(Write({u"ソフト", u"表"}), kSoft + "\r\n\x95\x5C\r\n");
  EXPECT_EQ(RoundTrip({u"ソフト", u"表"}), (Keywords{u"ソフト", u"表"}));
}

// Mended: a keyword that would not read back as itself is quoted.

struct QuotingCase {
  std::u16string keyword;
  std::string line;  // as written, without CR LF
};

class Quoting : public KeywordFile, public testing::WithParamInterface<QuotingCase> {};

TEST_P(Quoting, WritesTheLineAndReadsTheKeywordBack) {
  EXPECT_EQ(Write({GetParam().keyword, u"next"}), GetParam().line + "\r\nnext\r\n");
  EXPECT_EQ(RoundTrip({GetParam().keyword, u"next"}), (Keywords{GetParam().keyword, u"next"}));
}

const QuotingCase kQuotingCases[] = {
    {u"plain", "plain"},
    {u"in side", "in side"},
    {u"a,b", "\"a,b\""},
    {u",", "\",\""},
    {u"  lead", "\"  lead\""},
    {u"trail  ", "\"trail  \""},
    {u" ", "\" \""},
    {u"   ", "\"   \""},
    {u"", ""},
    {u"a\r\nb", "\"a\r\nb\""},
    {u"a\rb", "\"a\rb\""},
    {u"セール,送料無料", "\"" + kSale + "," + kFreeShipping + "\""},
    {u"\tx", "\tx"},
    // A double quote that does not begin the keyword reads back unquoted.
    {u"say \"hi\"", "say \"hi\""},
};
INSTANTIATE_TEST_SUITE_P(Mended, Quoting, testing::ValuesIn(kQuotingCases));

TEST_F(KeywordFile, EveryListWithoutDoubleQuotesRoundTrips) {
  const Keywords keywords = {
      u"",    u" ",    u"  ", u"a",    u" a", u"a ",     u" a b ",
      u"a,b", u",",    u",,", u"a,",   u",a", u"セール", u"　全角　",
      u"\t",  u"\r\n", u"\n", u"x\ry", u"",   u"表示",   std::u16string(u"\0", 1),
      u"end"};
  EXPECT_EQ(RoundTrip(keywords), keywords);
  EXPECT_EQ(Write(keywords).substr(0, 3), "\r\n\"") << "still code page 932, no mark";
}

// Mended: characters code page 932 cannot hold make the file UTF-8.

TEST_F(KeywordFile, AKeywordCodePage932CannotHoldMakesTheFileUtf8WithAMark) {
  EXPECT_EQ(Write({u"セール", u"😀", u"a,b"}),
            kBom + "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB\r\n\xF0\x9F\x98\x80\r\n\"a,b\"\r\n");
}

TEST_F(KeywordFile, CharactersThatWouldComeBackAsOthersCountAsLost) {
  // ¥ (U+00A5) and 〜 (U+301C) have best-fit forms in code page 932 that read
  // back as \ and ～.
  EXPECT_EQ(Write({u"¥100"}), kBom +
                                  "\xC2\xA5"
                                  "100\r\n");
  EXPECT_EQ(Write({u"〜"}), kBom + "\xE3\x80\x9C\r\n");
  EXPECT_EQ(Write({u"～"}), "\x81\x60\r\n");
}

TEST_F(KeywordFile, Utf8ListsRoundTrip) {
  const Keywords keywords = {u"😀",
                             u" 한국 ",
                             u"a,😀",
                             u"",
                             u"セール",
                             u"¥",
                             std::u16string(1, u'\xD800'),
                             std::u16string(1, u'\xDC00') + u"x",
                             u"\uFEFFbom"};
  EXPECT_EQ(Write(keywords).substr(0, 3), kBom);
  EXPECT_EQ(RoundTrip(keywords), keywords);
}

TEST_F(KeywordFile, AFirstKeywordThatBeginsWithAByteOrderMarkKeepsIt) {
  EXPECT_EQ(Write({u"\uFEFFx"}), kBom + kBom + "x\r\n");
  EXPECT_EQ(RoundTrip({u"\uFEFFx"}), Keywords{u"\uFEFFx"});
}

TEST_F(KeywordFile, ReadsUtf8WithAMarkWrittenByAnotherProgram) {
  const KeywordFileContent content = Read(kBom + "セール\r\n한\r\n");
  EXPECT_EQ(content.keywords, (Keywords{u"セール", u"한"}));
  EXPECT_FALSE(content.lossy);
}

TEST_F(KeywordFile, ReadsUtf16AsNotepadSavesItAndStillWritesTheCodePage) {
  // セール, a,b: a byte-order mark, then the code units.
  const std::string little =
      std::string("\xFF\xFE", 2) + std::string("\xBB\x30\xFC\x30\xEB\x30\r\0\n\0a\0,\0b\0", 16);
  const std::string big =
      std::string("\xFE\xFF", 2) + std::string("\x30\xBB\x30\xFC\x30\xEB\0\r\0\na", 11);
  EXPECT_EQ(Read(little).keywords, (Keywords{u"セール", u"a", u"b"}));
  EXPECT_EQ(Read(big).keywords, (Keywords{u"セール", u"\uFFFD"}));
  EXPECT_TRUE(Read(big).lossy) << "an odd last byte";
  EXPECT_EQ(Write({u"セール"}), kSale + "\r\n");
}

// The reader never fails on bytes.

TEST_F(KeywordFile, InvalidCodePage932BytesBecomeReplacementCharacters) {
  // 81 20: a lead byte without a trail byte; 85 40: a pair with no character;
  // 82 at the end: a lead byte cut off.
  const KeywordFileContent content = Read("a\x81 b\r\n\x85\x40\r\n" + kSale + "\r\nz\x82");
  EXPECT_EQ(content.keywords, (Keywords{u"a\uFFFD b", u"\uFFFD@", u"セール", u"z\uFFFD"}));
  EXPECT_TRUE(content.lossy);
}

TEST_F(KeywordFile, InvalidUtf8BytesBecomeReplacementCharacters) {
  const KeywordFileContent content = Read(kBom + "a\xFF\r\n\xE3\x82\r\nok\r\n");
  EXPECT_EQ(content.keywords, (Keywords{u"a\uFFFD", u"\uFFFD\uFFFD", u"ok"}));
  EXPECT_TRUE(content.lossy);
}

TEST_F(KeywordFile, NulBytesAreCharactersAndDoNotEndTheFile) {
  const std::string bytes("a\0b\r\n\0\0\r\nc\r\n", 12);
  const KeywordFileContent content = Read(bytes);
  EXPECT_EQ(content.keywords,
            (Keywords{std::u16string(u"a\0b", 3), std::u16string(2, u'\0'), u"c"}));
  EXPECT_FALSE(content.lossy);
  EXPECT_EQ(Write(content.keywords), bytes);
}

TEST_F(KeywordFile, AMarkOnlyFileIsEmpty) { EXPECT_EQ(Read(kBom).keywords, Keywords{}); }

TEST_F(KeywordFile, AMultiMegabyteFileIsReadAndWrittenQuickly) {
  Keywords keywords;
  for (int i = 0; i < 300000; ++i) keywords.push_back(i % 2 ? u"セール" : u"a,b");
  const std::string bytes = Write(keywords);
  EXPECT_GT(bytes.size(), 2'000'000u);
  EXPECT_EQ(RoundTrip(keywords), keywords);
}

}  // namespace
}  // namespace vorenta
