#pragma once
// All keywords searched at once (Aho-Corasick over UTF-16 units), so that
// the cost of a line does not grow with the number of keywords. With the
// fold on, lines and keywords are compared folded (see fold.h) and
// positions are still those of the original line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

// A run of a line, [begin, end) in 0-based units.
struct TextRange {
  int begin = 0;
  int end = 0;
  bool operator==(const TextRange&) const = default;
};

// A run of a line marked for one keyword, by the keyword's index in the list.
struct KeywordRange {
  int begin = 0;
  int end = 0;
  int keyword = 0;
  bool operator==(const KeywordRange&) const = default;
};

class KeywordMatcher {
 public:
  // Matches nothing.
  KeywordMatcher() = default;
  KeywordMatcher(const std::vector<std::u16string>& keywords, bool fold);

  bool empty() const { return keyword_count_ == 0; }
  bool folds() const { return fold_; }

  // The rule of the search: the 1-based position of the leftmost occurrence
  // of the first keyword, in list order, that occurs in the line; 0 when
  // none does. An empty keyword occurs at 1 in every non-empty line.
  int FirstPosition(std::u16string_view line) const;
  // FirstPosition(line) > 0, stopping at the first occurrence found.
  bool AnyIn(std::u16string_view line) const;
  // Every unit any keyword's occurrence covers, marked for the earliest
  // keyword in the list whose occurrence covers it; a keyword listed twice is marked
  // for its first place. Ordered, not overlapping; neighbouring runs of
  // different keywords stay apart.
  std::vector<KeywordRange> KeywordOccurrences(std::u16string_view line) const;
  // Adds one to counts[k] for every keyword k that occurs in the line;
  // counts holds one entry per keyword. Returns AnyIn(line), in the same
  // one pass over the line.
  bool CountKeywordsIn(std::u16string_view line, std::vector<int>& counts) const;
  // The first place in the list of the keyword at `keyword` (the same after
  // the fold, with the fold on): the place its occurrences are marked for.
  int FirstPlace(int keyword) const;

 private:
  using State = std::uint32_t;
  static constexpr std::uint32_t kNone = UINT32_MAX;

  void Build(const std::vector<std::u16string>& folded_keywords);
  State Next(State state, std::uint32_t unit_class) const;
  // Calls visit(state, end, folded_index) after each unit of the line, end
  // being the original index after it; stops when visit returns false.
  // With kPositions, StartOf may be asked about the units seen.
  // Calls visit(keyword, length) for the first place of every keyword that
  // ends in the state.
  template <typename Visit>
  void ForEachEndingIn(State state, Visit&& visit) const;
  template <bool kPositions, typename Visit>
  void Scan(std::u16string_view line, Visit&& visit) const;
  template <bool kFold, bool kPositions, typename Visit>
  void ScanUnits(std::u16string_view line, Visit& visit) const;
  // The original index at which the match of `length` folded units ending
  // at folded index `last` begins.
  int StartOf(int last, std::uint32_t length) const;

  bool fold_ = false;
  std::uint32_t keyword_count_ = 0;
  std::uint32_t empty_keyword_ = kNone;  // the first empty keyword's index
  // Each unit's class (with the fold on, its fold's), 0 for units in no
  // keyword.
  std::vector<std::uint32_t> classes_;
  // The trie's edges, by state: edge_begin_[s] to edge_begin_[s + 1], sorted
  // by class. The root's are also kept as a table by class.
  std::vector<std::uint32_t> edge_begin_;
  std::vector<std::uint32_t> edge_class_;
  std::vector<State> edge_target_;
  std::vector<State> root_next_;
  std::vector<State> fail_;
  // For each state, over itself and its suffix states: the lowest index of a
  // keyword ending there and that keyword's length, and the longest length
  // of a keyword ending there (0 for none).
  std::vector<std::uint32_t> first_keyword_;
  std::vector<std::uint32_t> first_length_;
  std::vector<std::uint32_t> longest_;
  // The first keyword ending exactly in each state and its length, and the
  // nearest suffix state in which one ends (0 for none): every keyword in a
  // line, for the marks and the counts.
  std::vector<std::uint32_t> own_keyword_;
  std::vector<std::uint32_t> own_length_;
  std::vector<State> next_output_;
  // For each keyword's first place, the later places of the same keyword
  // (the same after the fold, with the fold on).
  std::vector<std::vector<std::uint32_t>> repeats_;
  std::vector<int> first_place_;
  // Whether the line being scanned composes half-width kana, and then the
  // original index of each of its folded units.
  mutable bool composing_ = false;
  mutable std::vector<int> origin_;
  // For CountKeywordsIn, without an allocation per line.
  mutable std::vector<std::uint32_t> seen_in_line_;
  mutable std::uint32_t line_stamp_ = 0;
};

}  // namespace vorenta
