// The mail analysis on any UTF-16 text, each function against a plain
// reference: splitting a mail into lines, cutting the address a click
// copies, measuring an address run from any int position, finding
// keywords, and looking up the sender.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/mail_text.h"
#include "core/sender_pages.h"
#include "core/url_chars.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "support/keyword_match.h"
#include "support/mail_lines.h"

using namespace vorenta;

namespace {

void CheckMailLines(const std::u16string& text) {
  const std::vector<std::u16string> lines = SplitMailText(text);
  std::u16string without_lf;
  for (char16_t c : text) {
    if (c != u'\n') without_lf += c;
  }
  std::u16string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    FUZZ_CHECK(lines[i].find_first_of(u"\r\n") == std::u16string::npos);
    if (i > 0) joined += u'\r';
    joined += lines[i];
  }
  FUZZ_CHECK(lines.empty() == text.empty());
  FUZZ_CHECK(joined == without_lf);
}

void CheckSender(const std::u16string& line) {
  std::u16string expected;
  if (line.size() >= 6) {
    for (const SenderPage& row : SenderPages()) {
      if (line.compare(6, std::u16string::npos, row.key.data(), row.key.size()) == 0) {
        expected = row.page;
        break;
      }
    }
  }
  FUZZ_CHECK(FindSenderPage(line) == expected);
}

// The 1-based run length, counted with 64-bit positions.
int64_t ReferenceRunLength(const std::u16string& s, int p, const std::vector<char16_t>& table) {
  for (int64_t i = 1; i <= static_cast<int64_t>(s.size()); ++i) {
    if (i > p && !IsUrlChar(s[i - 1], table)) return i - p;
  }
  return 0;
}

void CheckUrl(const std::u16string& text, int p, const std::vector<char16_t>& table) {
  for (int position : {p, INT_MAX - (p & 0xFF), INT_MIN + (p & 0xFF), p & 0x3F}) {
    const int64_t expected = ReferenceRunLength(text, position, table);
    FUZZ_CHECK(UrlRunLength(text, position, table) == (expected > INT_MAX ? INT_MAX : expected));
  }
  const std::u16string s = text + kUrlSentinel;
  const size_t http = s.find(u"http");
  std::u16string expected;
  if (http != std::u16string::npos) {
    size_t end = http + 1;
    while (IsUrlChar(s[end], table)) ++end;  // the sentinel stops it
    expected = s.substr(http, end - http);
  }
  FUZZ_CHECK(ExtractUrl(text, table) == expected);
}

int ReferencePosition(const std::u16string& line, const std::u16string& keyword) {
  if (line.empty()) return 0;
  for (size_t start = 0; start + keyword.size() <= line.size(); ++start) {
    size_t k = 0;
    while (k < keyword.size() && line[start + k] == keyword[k]) ++k;
    if (k == keyword.size()) return static_cast<int>(start) + 1;
  }
  return 0;
}

void CheckKeywords(const std::u16string& line, const std::vector<std::u16string>& keywords) {
  int first = 0;
  for (const auto& keyword : keywords) {
    const int position = ReferencePosition(line, keyword);
    FUZZ_CHECK(KeywordPosition(line, keyword) == position);
    if (first == 0) first = position;
  }
  FUZZ_CHECK(FirstKeywordPosition(line, keywords) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<char16_t> table = BuildUrlChars();
  fuzz::FuzzInput input(data, size);
  const int p = input.Int();
  const std::u16string text = input.Text(input.Byte());
  const SenderPage& sender = SenderPages()[input.Byte() % SenderPages().size()];
  const bool text_after_sender = input.Byte() % 2 == 1;
  const std::vector<std::u16string> keywords = input.Keywords(8);

  CheckMailLines(text);
  const std::vector<std::u16string> lines = SplitMailText(text);
  CheckSender(lines.empty() ? text : lines.front());
  // A line that names a sender of the table, give or take the fuzzer's text.
  CheckSender(text.substr(0, 6) + std::u16string(sender.key) + (text_after_sender ? text : u""));
  CheckUrl(text, p, table);
  for (const auto& line : lines) CheckKeywords(line, keywords);
  CheckKeywords(text, keywords);
  return 0;
}
