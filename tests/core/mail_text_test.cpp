#include "core/mail_text.h"
#include "support/mail_lines.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

using Lines = std::vector<std::u16string>;

struct SplitCase {
  const char* name;
  std::u16string text;
  Lines lines;
};

class SplitMailTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitMailTextTest, GivesTheLinesThePaneShows) {
  EXPECT_EQ(SplitMailText(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, SplitMailTextTest,
    testing::Values(SplitCase{"CrLfWithTrailingBreak", u"a\r\nb\r\n", {u"a", u"b", u""}},
                    SplitCase{"LfAloneJoinsLines", u"a\nb", {u"ab"}},
                    SplitCase{"CrAloneBreaks", u"a\rb", {u"a", u"b"}},
                    SplitCase{"TwoCrsGiveEmptyLine", u"a\r\rb", {u"a", u"", u"b"}},
                    SplitCase{"EmptyTextHasNoLines", u"", {}},
                    SplitCase{"OnlyLfsGiveOneEmptyLine", u"\n\n", {u""}},
                    SplitCase{"LeadingCrGivesEmptyFirstLine", u"\rx", {u"", u"x"}},
                    SplitCase{"LfCrOrderStillOneBreak", u"a\n\rb", {u"a", u"b"}},
                    SplitCase{"JapaneseAndSurrogatesKept",
                              u"セール開催\r\n\U0001F389送料無料",
                              {u"セール開催", u"\U0001F389送料無料"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitMailText, KeepsEveryLineOfAHugeMail) {
  std::u16string text;
  constexpr int kLines = 40000;
  for (int i = 0; i < kLines; ++i) text += u"line\r\n";
  const Lines lines = SplitMailText(text);
  ASSERT_EQ(lines.size(), static_cast<size_t>(kLines) + 1);
  EXPECT_EQ(lines[kLines - 1], u"line");
  EXPECT_EQ(lines[kLines], u"");
}

TEST(SplitMailText, KeepsNulAndOtherControlCharacters) {
  const std::u16string text(u"a\0b\tc\r\x1f", 7);
  const Lines lines = SplitMailText(text);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::u16string(u"a\0b\tc", 5));
  EXPECT_EQ(lines[1], u"\x1f");
}

}  // namespace
}  // namespace vorenta
