#include "ui/search_results.h"

#include <algorithm>

#include "ui/keyword_colours.h"

namespace vorenta {

void SearchResults::Clear() { *this = SearchResults(); }

void SearchResults::Take(const std::vector<std::u16string>& keywords, const KeywordMatcher& matcher,
                         std::vector<int> hits, const std::vector<int>& lines_per_keyword) {
  searched_ = true;
  hits_ = std::move(hits);
  lines_.clear();
  colours_.clear();
  match_colours_.assign(keywords.size(), 0);
  for (size_t k = 0; k < keywords.size(); ++k) {
    const int colour = KeywordColourAt(matcher.FirstPlace(static_cast<int>(k)));
    match_colours_[k] = colour;
    colours_.emplace(keywords[k], colour);
    lines_.emplace(keywords[k], lines_per_keyword[k]);
  }
}

std::optional<int> SearchResults::NextHit(int from, bool backwards) const {
  if (hits_.empty()) return std::nullopt;
  if (backwards) {
    const auto before = std::lower_bound(hits_.begin(), hits_.end(), from);
    return before == hits_.begin() ? hits_.back() : *(before - 1);
  }
  const auto after = std::upper_bound(hits_.begin(), hits_.end(), from);
  return after == hits_.end() ? hits_.front() : *after;
}

std::optional<int> SearchResults::LinesOf(const std::u16string& keyword) const {
  const auto found = lines_.find(keyword);
  if (found == lines_.end()) return std::nullopt;
  return found->second;
}

std::optional<int> SearchResults::ColourOf(const std::u16string& keyword) const {
  const auto found = colours_.find(keyword);
  if (found == colours_.end()) return std::nullopt;
  return found->second;
}

int SearchResults::ColourOfMatch(int matcher_keyword) const {
  if (matcher_keyword < 0 || matcher_keyword >= static_cast<int>(match_colours_.size())) return 0;
  return match_colours_[static_cast<size_t>(matcher_keyword)];
}

}  // namespace vorenta
