// Keyword lists in files of the user's choosing: what each kind of file
// gives, which files are refused, the form the writer picks, and which
// keywords join a list.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ansi_codec.h"
#include "settings/keyword_file.h"
#include "settings/keyword_import.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kMarkerLine = "#Vorenta keywords format 2\r\n";
const std::string kSaleCp932 = "\x83\x5A\x81\x5B\x83\x8B";  // セール
const std::string kSaleUtf8 = "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB";

std::string Utf16(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

class KeywordImportTest : public testing::Test {
 protected:
  std::unique_ptr<AnsiCodec> cp932_ = MakeCodePage932Codec();
};

struct ReadCase {
  const char* name;
  std::u16string file_name;
  std::string bytes;
  bool readable;
  Keywords keywords;
};

class Reading : public KeywordImportTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(Reading, GivesTheKeywordsOfTheFileOrRefusesIt) {
  const KeywordImport got = ReadKeywordImport(GetParam().file_name, GetParam().bytes, *cp932_);
  EXPECT_EQ(got.readable, GetParam().readable);
  EXPECT_EQ(got.keywords, GetParam().keywords);
}

const std::u16string kTxt = u"C:\\Users\\a\\キーワード.txt";

INSTANTIATE_TEST_SUITE_P(
    KeywordImport, Reading,
    testing::Values(
        ReadCase{"Utf8WithBom", kTxt, kBom + kSaleUtf8 + "\r\nab\r\n", true, {u"セール", u"ab"}},
        ReadCase{"Utf8WithoutBomOrLastLineEnd", kTxt, kSaleUtf8 + "\nab", true, {u"セール", u"ab"}},
        ReadCase{
            "Utf16LittleEndian", kTxt, Utf16(u"セール\r\nab\r\n", false), true, {u"セール", u"ab"}},
        ReadCase{"Utf16BigEndian", kTxt, Utf16(u"セール\nab", true), true, {u"セール", u"ab"}},
        ReadCase{"Cp932WhenNotUtf8", kTxt, kSaleCp932 + "\r\nab\r\n", true, {u"セール", u"ab"}},
        ReadCase{"CrAloneEndsALine", kTxt, "a\rb\r\nc\nd", true, {u"a", u"b", u"c", u"d"}},
        ReadCase{"CommasQuotesAndSpacesArePartOfTheKeyword",
                 kTxt,
                 "a,b\r\n\"c\"\r\n  d  \r\n",
                 true,
                 {u"a,b", u"\"c\"", u"  d  "}},
        ReadCase{"EmptyLinesGiveNoKeyword", kTxt, "\r\na\r\n\r\n\nb\r\n\r\n", true, {u"a", u"b"}},
        ReadCase{"AnEmptyFileIsAnEmptyList", kTxt, "", true, {}},
        ReadCase{"AByteOrderMarkAloneIsAnEmptyList", kTxt, kBom, true, {}},
        ReadCase{"TheMarkedFormByItsRules",
                 kTxt,
                 kBom + kMarkerLine + "\"x\r\ny\"\r\n\"\"\r\n\"say \"\"hi\"\"\"\r\n",
                 true,
                 {u"x\r\ny", u"", u"say \"hi\""}},
        ReadCase{"TheMarkedFormSavedAsUtf16",
                 kTxt,
                 Utf16(u"#Vorenta keywords format 2\r\n\"a,b\"\r\n", false),
                 true,
                 {u"a,b"}},
        ReadCase{"AKeywordFileByItsOwnRulesWhateverTheCaseOfItsName",
                 u"D:\\old\\smdata1.DAT",
                 "a,b\r\n\"c,d\"\r\n" + kSaleCp932 + "\r\n",
                 true,
                 {u"a", u"b", u"c,d", u"セール"}},
        ReadCase{"OnlyThatNameIsAKeywordFile",
                 u"D:\\old\\SMdata1.dat.txt",
                 "a,b\r\n\"c,d\"\r\n",
                 true,
                 {u"a,b", u"\"c,d\""}},
        ReadCase{"RefusedTextWithNul", kTxt, std::string("ab\0cd\r\n", 7), false, {}},
        ReadCase{"RefusedUtf16WithNul", kTxt, Utf16(std::u16string(u"a\0b", 3), false), false, {}},
        ReadCase{"RefusedNeitherUtf8NorCp932", kTxt, "ok\r\n\x85\x40\r\n", false, {}},
        ReadCase{"RefusedUtf16CutInAUnit", kTxt, Utf16(u"ab", false) + "c", false, {}},
        ReadCase{"RefusedAKeywordFileWithBadBytes", u"SMdata1.dat", kBom + "a\xFF\r\n", false, {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST_F(KeywordImportTest, WritesUtf8WithByteOrderMarkOneKeywordALine) {
  EXPECT_EQ(WriteKeywordExport(kTxt, {u"セール", u"a,b", u" spaced ", u"\"q\""}, *cp932_),
            kBom + kSaleUtf8 + "\r\na,b\r\n spaced \r\n\"q\"\r\n");
  EXPECT_EQ(WriteKeywordExport(kTxt, {}, *cp932_), kBom);
}

struct WriteCase {
  const char* name;
  std::u16string file_name;
  Keywords keywords;
  bool marked;
};

class Writing : public KeywordImportTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(Writing, ReadsBackAsTheListInTheFormItNeeds) {
  const std::string bytes = WriteKeywordExport(GetParam().file_name, GetParam().keywords, *cp932_);
  EXPECT_EQ(bytes.starts_with(kBom + kMarkerLine), GetParam().marked);
  const KeywordImport back = ReadKeywordImport(GetParam().file_name, bytes, *cp932_);
  EXPECT_TRUE(back.readable);
  EXPECT_EQ(back.keywords, GetParam().keywords);
}

INSTANTIATE_TEST_SUITE_P(
    KeywordImport, Writing,
    testing::Values(
        WriteCase{"PlainKeywords", kTxt, {u"セール", u"a,b", u"\"", u" x "}, false},
        WriteCase{"AnUnpairedSurrogate", kTxt, {u"a\xD800"}, false},
        WriteCase{"CrLf", kTxt, {u"a", u"b\r\nc"}, true},
        WriteCase{"CrAlone", kTxt, {u"b\rc"}, true}, WriteCase{"LfAlone", kTxt, {u"b\nc"}, true},
        WriteCase{"AnEmptyKeyword", kTxt, {u"a", u""}, true},
        WriteCase{"Nul", kTxt, {std::u16string(u"a\0b", 3)}, true},
        WriteCase{"TheMarkerFirst", kTxt, {u"#Vorenta keywords format 2", u"a"}, true},
        WriteCase{
            "UnderTheKeywordFilesNameACommaNeedsTheMarkedForm", u"E:\\SMDATA1.DAT", {u"a,b"}, true},
        WriteCase{"UnderTheKeywordFilesNamePlainKeywordsStayPlain",
                  u"E:\\SMdata1.dat",
                  {u"セール"},
                  false}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

struct MergeCase {
  const char* name;
  Keywords list;
  Keywords incoming;
  Keywords added;
};

class Merging : public testing::TestWithParam<MergeCase> {};

TEST_P(Merging, AddsOnlyNewKeywordsInTheirOrderEachOnce) {
  EXPECT_EQ(KeywordsToAdd(GetParam().list, GetParam().incoming), GetParam().added);
}

INSTANTIATE_TEST_SUITE_P(
    KeywordImport, Merging,
    testing::Values(
        MergeCase{"KeywordsInTheListAreSkipped", {u"b", u"d"}, {u"c", u"b", u"a"}, {u"c", u"a"}},
        MergeCase{"RepeatsInTheFileAreAddedOnce", {}, {u"a", u"b", u"a", u"b"}, {u"a", u"b"}},
        MergeCase{"KeywordsDifferingOnlyInCaseOrWidthAreDifferent",
                  {u"a"},
                  {u"A", u"ａ", u"a"},
                  {u"A", u"ａ"}},
        MergeCase{"AnEmptyKeywordIsAddedOnlyWhenTheListLacksIt", {u""}, {u"", u"x"}, {u"x"}}),
    [](const testing::TestParamInfo<MergeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vorenta
