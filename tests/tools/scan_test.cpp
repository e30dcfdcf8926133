#include "scan.h"

#include <gtest/gtest.h>

#include "core/utf8.h"
#include "utf8.h"

namespace vorenta::tools {
namespace {

using Keywords = std::vector<std::u16string>;

TEST(SplitKeywordLines, LfOrCrLfEndsALineAndTheLastLineCounts) {
  EXPECT_EQ(SplitKeywordLines(u"a\r\nb\nc"), (Keywords{u"a", u"b", u"c"}));
  EXPECT_EQ(SplitKeywordLines(u"a\n\nb\n"), (Keywords{u"a", u"", u"b"}));
  EXPECT_EQ(SplitKeywordLines(u"\n"), (Keywords{u""}));
  EXPECT_EQ(SplitKeywordLines(u""), Keywords{});
  // A CR alone does not end a line.
  EXPECT_EQ(SplitKeywordLines(u"a\rb\r"), (Keywords{u"a\rb\r"}));
}

TEST(ScanReport, ReportsLinesPastThe16BitLimit) {
  std::u16string mail;
  for (int i = 0; i < 33000; ++i) mail += u"x\r\n";
  mail += u"あ http://e.example.jp/";
  const std::u16string report = ScanReport({u"http"}, mail);
  EXPECT_NE(report.find(u"\n33000\t3\thttp://e.example.jp/\tあ http://e.example.jp/\n"),
            std::u16string::npos);
  EXPECT_NE(report.find(u"\n32767\t0\t\tx\n"), std::u16string::npos);
}

TEST(ScanReport, EmptyKeywordMatchesEveryNonEmptyLine) {
  EXPECT_EQ(ScanReport({u""}, u"a\r\r"), u"0\t1\t\ta\n1\t0\t\t\n2\t0\t\t\nsender\t\n");
}

TEST(Utf8, RejectsEveryKindOfInvalidSequence) {
  for (const char* bad : {"\xff", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                          "\xe3\x81", "\x80", "a\xc3"}) {
    EXPECT_FALSE(DecodeUtf8(bad).has_value()) << bad;
  }
}

TEST(Utf8, DecodesWhatTheReportEncoderWrites) {
  const std::u16string text = u"セール\U0001F389~";
  const std::string bytes = EncodeUtf8(text);
  EXPECT_EQ(bytes, "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB\xF0\x9F\x8E\x89~");
  EXPECT_EQ(DecodeUtf8(bytes), text);
}

}  // namespace
}  // namespace vorenta::tools
