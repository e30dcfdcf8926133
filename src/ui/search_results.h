#pragma once
// What the last search found, until the next paste or drop: the lines to
// move through with F3, the window title's count, and each keyword's count
// and marker colour as the keyword list draws them.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/keyword_matcher.h"

namespace vorenta {

class SearchResults {
 public:
  // Before the first search, and after a paste or drop.
  void Clear();
  // `hits` ascending; `lines_per_keyword` and the matcher's keyword indexes
  // follow `keywords`, the list as it was searched.
  void Take(const std::vector<std::u16string>& keywords, const KeywordMatcher& matcher,
            std::vector<int> hits, const std::vector<int>& lines_per_keyword);

  bool searched() const { return searched_; }
  const std::vector<int>& hits() const { return hits_; }
  // The hit after (or before) the line `from`, wrapping at the ends; `from`
  // may be no line at all. nullopt with no hit.
  std::optional<int> NextHit(int from, bool backwards) const;

  // Counts and colours stay with their keywords when the list is edited
  // afterwards, so they are kept by keyword, not by place.
  std::optional<int> LinesOf(const std::u16string& keyword) const;
  std::optional<int> ColourOf(const std::u16string& keyword) const;
  // The colour of an occurrence the search's matcher found.
  int ColourOfMatch(int matcher_keyword) const;

 private:
  bool searched_ = false;
  std::vector<int> hits_;
  std::vector<int> match_colours_;
  std::unordered_map<std::u16string, int> lines_;
  std::unordered_map<std::u16string, int> colours_;
};

}  // namespace vorenta
