// The field rules of the keyword file and the cases we decided, over text
// that is already decoded.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/keyword_file.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

struct ReaderCase {
  const char* rule;
  std::u16string text;
  Keywords expected;
};

class FieldRules : public testing::TestWithParam<ReaderCase> {};

TEST_P(FieldRules, ReadsTheFieldsOfTheText) {
  EXPECT_EQ(ReadKeywordFields(GetParam().text), GetParam().expected) << GetParam().rule;
}

const ReaderCase kBasicCases[] = {
    {"one keyword per line",
     u"セール\r\n送料無料\r\n限定 品\r\n",
     {u"セール", u"送料無料", u"限定 品"}},
    {"a comma splits a line", u"a,b\r\n", {u"a", u"b"}},
    {"leading spaces are skipped", u"   sale\r\n", {u"sale"}},
    {"an empty line is an empty keyword", u"a\r\n\r\nb\r\n", {u"a", u"", u"b"}},
    {"a comma after a delimiter is an empty field", u"a,,b\r\n", {u"a", u"", u"b"}},
    {"a quoted field keeps commas and spaces", u"\" a,b \"\r\n", {u" a,b "}},
    {"an empty text has no fields", u"", {}},
    {"a lone line end is one empty keyword", u"\r\n", {u""}},
};
INSTANTIATE_TEST_SUITE_P(BasicCases, FieldRules, testing::ValuesIn(kBasicCases));

const ReaderCase kDecidedCases[] = {
    {"trailing spaces of a bare field are dropped", u"sale   \r\nx\r\n", {u"sale", u"x"}},
    {"trailing spaces before a comma are dropped", u"a  ,b\r\n", {u"a", u"b"}},
    {"a line of spaces only is an empty keyword", u"a\r\n    \r\nb\r\n", {u"a", u"", u"b"}},
    {"spaces at the end of the text are an empty keyword", u"a\r\n   ", {u"a", u""}},
    {"a quote inside a bare field is a character", u"ab\"cd\"ef\r\n", {u"ab\"cd\"ef"}},
    {"the line end after a closing quote is consumed", u"\"a,b\"\r\nc\r\n", {u"a,b", u"c"}},
    {"a comma after a closing quote is consumed", u"\"a\",b\r\n", {u"a", u"b"}},
    {"text after a closing quote is dropped", u"\"ab\"cd,e\r\n", {u"ab", u"e"}},
    {"spaces before an opening quote are skipped", u"  \" x\"\r\n", {u" x"}},
    {"a quoted field runs across line ends", u"\"a\r\nb\"\r\nc\r\n", {u"a\r\nb", u"c"}},
    {"an empty quoted field is an empty keyword", u"\"\"\r\nx\r\n", {u"", u"x"}},
    {"an unclosed quote runs to the end of its line", u"a\r\n\"b,c\r\nd\r\n", {u"a", u"b,c", u"d"}},
    {"an unclosed quote at the end of the text", u"a\r\n\"bc", {u"a", u"bc"}},
    {"a last line without a line end", u"a\r\nb", {u"a", u"b"}},
    {"a comma at the very end gives no empty keyword", u"a,", {u"a"}},
    {"a comma before a line end gives an empty keyword", u"a,\r\nb\r\n", {u"a", u"", u"b"}},
    {"CR alone ends a line", u"a\rb\r", {u"a", u"b"}},
    {"LF alone ends a line", u"a\nb\n", {u"a", u"b"}},
    {"LF CR is two line ends", u"a\n\rb", {u"a", u"", u"b"}},
    {"NUL is an ordinary character",
     std::u16string(u"a\0b\r\n\0\r\n", 7),
     {std::u16string(u"a\0b", 3), std::u16string(1, u'\0')}},
    {"tabs are kept", u"\ta\t\r\n", {u"\ta\t"}},
    {"an ideographic space is kept", u"\u3000a\u3000\r\n", {u"\u3000a\u3000"}},
};
INSTANTIATE_TEST_SUITE_P(DecidedCases, FieldRules, testing::ValuesIn(kDecidedCases));

TEST(FieldReader, ReadsAMultiMegabyteText) {
  // 400,000 lines, 5 MB of text: a quadratic reader would take minutes.
  std::u16string text;
  for (int i = 0; i < 200000; ++i) text += u"キーワード,\"a,b\"\r\n";
  for (int i = 0; i < 200000; ++i) text += u"  spaced out  ,\r\n";
  text += u"\"unclosed, at the end";
  const Keywords fields = ReadKeywordFields(text);
  ASSERT_EQ(fields.size(), 800001u);
  EXPECT_EQ(fields[0], u"キーワード");
  EXPECT_EQ(fields[399999], u"a,b");
  EXPECT_EQ(fields[400000], u"spaced out");
  EXPECT_EQ(fields[400001], u"");
  EXPECT_EQ(fields.back(), u"unclosed, at the end");
}

TEST(FieldReader, AQuoteOpenedEarlyClosesAtTheNextQuoteAnywhere) {
  // The one place where a stray quote reaches past its line: a quoted field
  // runs to the next double quote.
  EXPECT_EQ(ReadKeywordFields(u"\"a\r\nb\r\nc\"d\r\ne\r\n"), (Keywords{u"a\r\nb\r\nc", u"e"}));
}

}  // namespace
}  // namespace vorenta
