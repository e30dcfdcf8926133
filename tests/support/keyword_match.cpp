#include "support/keyword_match.h"

namespace vorenta {

int KeywordPosition(const std::u16string& line, const std::u16string& keyword) {
  if (line.empty()) return 0;
  const auto found = line.find(keyword);
  return found == std::u16string::npos ? 0 : static_cast<int>(found) + 1;
}

int FirstKeywordPosition(const std::u16string& line, const std::vector<std::u16string>& keywords) {
  for (const auto& keyword : keywords) {
    if (const int position = KeywordPosition(line, keyword); position > 0) return position;
  }
  return 0;
}

std::vector<TextRange> MergedOccurrences(const KeywordMatcher& matcher, std::u16string_view line) {
  std::vector<TextRange> merged;
  for (const KeywordRange& range : matcher.KeywordOccurrences(line)) {
    if (!merged.empty() && merged.back().end == range.begin) {
      merged.back().end = range.end;
    } else {
      merged.push_back({range.begin, range.end});
    }
  }
  return merged;
}

}  // namespace vorenta
