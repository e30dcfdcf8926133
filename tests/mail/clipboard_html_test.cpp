#include "mail/clipboard_html.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vorenta {
namespace {

size_t Bytes(std::string_view s) { return s.size(); }

// What programs that count characters instead of bytes write.
size_t CodePoints(std::string_view s) {
  size_t count = 0;
  for (char c : s) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

struct Layout {
  std::string eol = "\r\n";
  bool padded = true;
  size_t (*count)(std::string_view) = Bytes;
  std::string extra_lines;  // after the offsets, e.g. SourceURL
  std::string start_html, end_html, start_fragment, end_fragment;  // set to override
};

// The HTML Format around a fragment, with the offsets the layout asks for.
std::string Clipboard(const std::string& before, const std::string& fragment,
                      const std::string& after, const Layout& layout = {}) {
  const auto number = [&](size_t n) {
    std::string digits = std::to_string(n);
    if (layout.padded && digits.size() < 10) digits.insert(0, 10 - digits.size(), '0');
    return digits;
  };
  const auto header = [&](size_t start_html, size_t start_fragment) {
    const size_t end_fragment = start_fragment + layout.count(fragment);
    const auto pick = [&](const std::string& given, size_t computed) {
      return given.empty() ? number(computed) : given;
    };
    return "Version:0.9" + layout.eol + "StartHTML:" + pick(layout.start_html, start_html) +
           layout.eol + "EndHTML:" + pick(layout.end_html, end_fragment + layout.count(after)) +
           layout.eol + "StartFragment:" + pick(layout.start_fragment, start_fragment) +
           layout.eol + "EndFragment:" + pick(layout.end_fragment, end_fragment) + layout.eol +
           layout.extra_lines;
  };
  // Unpadded numbers change the header's length with its values: settle it.
  size_t header_length = header(0, 0).size();
  for (int i = 0; i < 3; ++i) {
    header_length = header(header_length, header_length + layout.count(before)).size();
  }
  return header(header_length, header_length + layout.count(before)) + before + fragment + after;
}

const std::string kBefore = "<html><body>\r\n<!--StartFragment-->";
const std::string kAfter = "<!--EndFragment-->\r\n</body>\r\n</html>";
const std::string kSale = "<p>\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB</p>";  // セール

struct FragmentCase {
  const char* name;
  std::string data;
  std::string fragment;
};

void PrintTo(const FragmentCase& c, std::ostream* os) { *os << c.name; }

class ClipboardHtmlTest : public testing::TestWithParam<FragmentCase> {};

TEST_P(ClipboardHtmlTest, PicksTheCopiedPart) {
  const std::optional<std::string_view> fragment = ClipboardHtmlFragment(GetParam().data);
  ASSERT_TRUE(fragment.has_value());
  EXPECT_EQ(*fragment, GetParam().fragment);
}

Layout With(void (*change)(Layout&)) {
  Layout layout;
  change(layout);
  return layout;
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, ClipboardHtmlTest,
    testing::Values(
        FragmentCase{"PaddedWithCrLf", Clipboard(kBefore, kSale, kAfter), kSale},
        FragmentCase{"UnpaddedWithLf", Clipboard(kBefore, kSale, kAfter, With([](Layout& l) {
                                                   l.eol = "\n";
                                                   l.padded = false;
                                                 })),
                     kSale},
        FragmentCase{"CrAlone",
                     Clipboard(kBefore, kSale, kAfter, With([](Layout& l) { l.eol = "\r"; })),
                     kSale},
        FragmentCase{"SourceUrlAndSelectionLines",
                     Clipboard(kBefore, kSale, kAfter, With([](Layout& l) {
                                 l.extra_lines =
                                     "StartSelection:-1\r\nEndSelection:-1\r\n"
                                     "SourceURL:https://mail.example.jp/inbox?id=1\r\n";
                               })),
                     kSale},
        FragmentCase{"MinusOneForTheWholeHtml",
                     Clipboard(kBefore, kSale, kAfter,
                               With([](Layout& l) { l.start_html = l.end_html = "-1"; })),
                     kSale},
        FragmentCase{"TrailingNulAndWhatFollowsIt",
                     Clipboard(kBefore, kSale, kAfter) + std::string("\0\0junk", 6), kSale},
        FragmentCase{"OffsetsWithoutComments", Clipboard("<html><body>", kSale, "</body></html>"),
                     kSale},
        // An earlier copy's comments before the fragment: offsets that sit
        // right at a pair of comments are trusted over the first comment.
        FragmentCase{"OffsetsAfterAnEarlierCopy",
                     Clipboard("<html><body><!--StartFragment-->old<!--EndFragment--><div>"
                               "<!--StartFragment-->",
                               kSale, kAfter),
                     kSale}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Comments, ClipboardHtmlTest,
    testing::Values(
        FragmentCase{"CharacterCountedOffsetsWithJapanese",
                     Clipboard(kBefore, kSale + kSale, kAfter,
                               With([](Layout& l) { l.count = CodePoints; })),
                     kSale + kSale},
        FragmentCase{"OffsetsPastTheEnd", Clipboard(kBefore, kSale, kAfter, With([](Layout& l) {
                                                      l.end_fragment = "999999";
                                                    })),
                     kSale},
        FragmentCase{"OffsetsIntoTheHeader", Clipboard(kBefore, kSale, kAfter, With([](Layout& l) {
                                                         l.start_fragment = "0000000010";
                                                       })),
                     kSale},
        FragmentCase{"StartAfterEnd", Clipboard(kBefore, kSale, kAfter, With([](Layout& l) {
                                                  l.start_fragment = "0000000150";
                                                  l.end_fragment = "0000000140";
                                                })),
                     kSale},
        FragmentCase{"AnyCaseAndSpacesInside",
                     Clipboard("<!-- startfragment -->", "x", "<!--ENDFRAGMENT\t-->",
                               With([](Layout& l) { l.start_fragment = "junk"; })),
                     "x"},
        FragmentCase{"FirstStartAndLastEnd",
                     Clipboard(kBefore, "a<!--EndFragment-->b<!--StartFragment-->c", kAfter,
                               With([](Layout& l) { l.end_fragment = "-1"; })),
                     "a<!--EndFragment-->b<!--StartFragment-->c"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Fallbacks, ClipboardHtmlTest,
    testing::Values(FragmentCase{"WholeHtmlWhenTheFragmentIsLost",
                                 Clipboard("<html>", "x", "</html>",
                                           With([](Layout& l) { l.start_fragment = "-1"; })),
                                 "<html>x</html>"},
                    FragmentCase{"AfterTheHeaderWhenNothingFits",
                                 Clipboard("<html>", "x", "</html>", With([](Layout& l) {
                                             l.start_html = l.start_fragment = "-1";
                                           })),
                                 "<html>x</html>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipboardHtml, TextWithoutTheHeaderIsNotClipboardHtml) {
  using namespace std::string_view_literals;
  for (std::string_view data :
       {""sv, "<html><body>x</body></html>"sv, "Subject: sale\r\n\r\nbody"sv,
        "StartHTML 0000000105\r\n<html>"sv, "\0Version:0.9\r\n"sv}) {
    EXPECT_FALSE(ClipboardHtmlFragment(data).has_value()) << data;
  }
}

}  // namespace
}  // namespace vorenta
