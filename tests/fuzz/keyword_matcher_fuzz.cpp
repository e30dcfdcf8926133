// The all-keywords matcher, with and without the fuzzy fold, on any UTF-16
// text against the plain search one keyword at a time on folded text, and
// the line reader against the whole-text split.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/fold.h"
#include "core/keyword_matcher.h"
#include "core/mail_text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "support/keyword_match.h"
#include "support/mail_lines.h"

using namespace vorenta;

namespace {

void CheckLine(const std::u16string& line, const std::vector<std::u16string>& keywords,
               const KeywordMatcher& matcher) {
  const bool fold = matcher.folds();
  std::vector<int> origin;
  const std::u16string folded = fold ? FoldText(line, &origin) : line;
  if (!fold) {
    for (int i = 0; i <= static_cast<int>(line.size()); ++i) origin.push_back(i);
  }
  FUZZ_CHECK(origin.size() == folded.size() + 1);
  std::vector<std::u16string> folded_keywords;
  for (const auto& k : keywords) folded_keywords.push_back(fold ? FoldText(k) : k);

  const int reference = FirstKeywordPosition(folded, folded_keywords);
  const int expected = reference == 0 ? 0 : origin[static_cast<size_t>(reference - 1)] + 1;
  FUZZ_CHECK(matcher.FirstPosition(line) == expected);
  FUZZ_CHECK(matcher.AnyIn(line) == (expected > 0));

  std::vector<bool> covered(line.size(), false);
  for (const auto& k : folded_keywords) {
    if (k.empty()) continue;
    for (size_t at = folded.find(k); at != std::u16string::npos; at = folded.find(k, at + 1)) {
      for (int u = origin[at]; u < origin[at + k.size()]; ++u)
        covered[static_cast<size_t>(u)] = true;
    }
  }
  int previous_end = -1;
  size_t covered_units = 0;
  for (const TextRange& range : MergedOccurrences(matcher, line)) {
    FUZZ_CHECK(range.begin > previous_end && range.begin < range.end);
    FUZZ_CHECK(range.end <= static_cast<int>(line.size()));
    for (int u = range.begin; u < range.end; ++u) FUZZ_CHECK(covered[static_cast<size_t>(u)]);
    covered_units += static_cast<size_t>(range.end - range.begin);
    previous_end = range.end;
  }
  size_t expected_units = 0;
  for (bool c : covered) expected_units += c ? 1 : 0;
  FUZZ_CHECK(covered_units == expected_units);

  // The marks per keyword cover the same units, each for a keyword that
  // occurs in the line.
  std::vector<int> counts(keywords.size(), 0);
  matcher.CountKeywordsIn(line, counts);
  size_t marked_units = 0;
  previous_end = 0;
  for (const KeywordRange& range : matcher.KeywordOccurrences(line)) {
    FUZZ_CHECK(range.begin >= previous_end && range.begin < range.end);
    FUZZ_CHECK(range.end <= static_cast<int>(line.size()));
    FUZZ_CHECK(range.keyword >= 0 && range.keyword < static_cast<int>(keywords.size()));
    FUZZ_CHECK(counts[static_cast<size_t>(range.keyword)] == 1);
    for (int u = range.begin; u < range.end; ++u) FUZZ_CHECK(covered[static_cast<size_t>(u)]);
    marked_units += static_cast<size_t>(range.end - range.begin);
    previous_end = range.end;
  }
  FUZZ_CHECK(marked_units == expected_units);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::u16string text = input.Text(input.Byte());
  const std::vector<std::u16string> keywords = input.Keywords(8);

  const std::vector<std::u16string> lines = SplitMailText(text);
  MailLineReader reader(text);
  std::u16string_view line;
  size_t count = 0;
  while (reader.Next(line)) {
    FUZZ_CHECK(count < lines.size() && line == lines[count]);
    ++count;
  }
  FUZZ_CHECK(count == lines.size());

  for (bool fold : {false, true}) {
    const KeywordMatcher matcher(keywords, fold);
    CheckLine(text, keywords, matcher);
    for (const auto& l : lines) CheckLine(l, keywords, matcher);
  }
  return 0;
}
