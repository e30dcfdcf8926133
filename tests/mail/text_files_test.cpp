#include "mail/text_files.h"

#include <gtest/gtest.h>

#include "mail/mail_date.h"
#include "test_codec.h"

namespace vorenta {
namespace {

struct FileCase {
  const char* name;
  DecodedText (*decode)(std::string_view, const AnsiCodec&);
  std::string bytes;
  std::u16string text;
};

class FileCharsetTest : public testing::TestWithParam<FileCase> {};

TEST_P(FileCharsetTest, ReadsTheFilesCharset) {
  EXPECT_EQ(GetParam().decode(GetParam().bytes, test::Cp932()).text, GetParam().text);
}

constexpr auto kText = DecodeTextFile;
constexpr auto kHtml = DecodeHtmlFile;

INSTANTIATE_TEST_SUITE_P(
    Files, FileCharsetTest,
    testing::Values(
        FileCase{"TextUtf8Bom", kText, "\xef\xbb\xbf\xe3\x82\xbb", u"セ"},
        FileCase{"TextUtf16LeBom", kText, std::string("\xff\xfe\xbb\x30\x0d\x00", 6), u"セ\r"},
        FileCase{"TextUtf16BeBom", kText, std::string("\xfe\xff\x30\xbb", 4), u"セ"},
        FileCase{"TextUtf8WithoutBom", kText, "\xe3\x82\xbb", u"セ"},
        FileCase{"TextCodePage932", kText, "\x83\x5a\x87\x40", u"セ①"},
        FileCase{"HtmlBomBeatsMeta", kHtml, "\xef\xbb\xbf<meta charset=shift_jis>\xe3\x82\xbb",
                 u"<meta charset=shift_jis>セ"},
        FileCase{"HtmlMetaCharset", kHtml, "<META CharSet='EUC-JP'>\xa5\xbb",
                 u"<META CharSet='EUC-JP'>セ"},
        FileCase{"HtmlHttpEquivContentFirst", kHtml,
                 "<meta content=\"text/html; charset='iso-2022-jp'\" http-equiv=Content-Type>"
                 "\x1b$B%;\x1b(B",
                 u"<meta content=\"text/html; charset='iso-2022-jp'\" http-equiv=Content-Type>セ"},
        FileCase{"HtmlMetaInCommentOrAttributeIgnored", kHtml,
                 "<!-- <meta charset=euc-jp> --><a title='<meta charset=euc-jp>'>\x83\x5a",
                 u"<!-- <meta charset=euc-jp> --><a title='<meta charset=euc-jp>'>セ"},
        FileCase{"HtmlUtf16MetaMeansUtf8", kHtml, "<meta charset=utf-16>\xe3\x82\xbb",
                 u"<meta charset=utf-16>セ"},
        FileCase{"HtmlUnknownMetaFallsBack", kHtml, "<meta charset=x-foo>\x83\x5a",
                 u"<meta charset=x-foo>セ"},
        FileCase{"HtmlMetaPastTheFirst4096BytesIgnored", kHtml,
                 std::string(4096, ' ') + "<meta charset=euc-jp>\x83\x5a",
                 std::u16string(4096, u' ') + u"<meta charset=euc-jp>セ"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DateCase {
  const char* name;
  const char* value;
  std::u16string shown;  // empty: no date
};

class MailDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(MailDateTest, ShowsTheDateInItsOwnZone) {
  const std::optional<std::u16string> shown = FormatMailDate(GetParam().value);
  EXPECT_EQ(shown.value_or(u""), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, MailDateTest,
    testing::Values(
        DateCase{"Full", "Mon, 07 Dec 2026 09:30:00 +0900", u"2026/12/07 09:30"},
        DateCase{"NoDayNameNoSeconds", " 7 Dec 2026 9:05 +0900 (JST)", u"2026/12/07 09:05"},
        DateCase{"CommentsAndCase", "(sent) mon, 1 DEC 2026 23:59:59 GMT", u"2026/12/01 23:59"},
        DateCase{"TwoDigitYears", "Fri, 1 Jan 49 00:00 EST", u"2049/01/01 00:00"},
        DateCase{"TwoDigitYearsOfTheLastCentury", "1 Jan 99 00:00", u"1999/01/01 00:00"},
        DateCase{"LeapDay", "29 Feb 2024 12:00 +0000", u"2024/02/29 12:00"},
        DateCase{"NoLeapDay", "29 Feb 2026 12:00 +0000", u""},
        DateCase{"HourOutOfRange", "1 Dec 2026 24:00 +0000", u""},
        DateCase{"NumericForm", "2026-12-07 09:30", u""}, DateCase{"Empty", "", u""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorenta
