#include "core/keyword_matcher.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/fold.h"

namespace vorenta {

namespace {

constexpr size_t kUnitCount = 0x10000;

// The units that may take a following voiced or semi-voiced mark.
bool IsHalfwidthKana(char16_t unit) { return unit >= 0xFF66 && unit <= 0xFF9D; }

bool HasHalfwidthKana(std::u16string_view line) {
  // No early exit: the loop is vectorised.
  bool found = false;
  for (char16_t unit : line) found |= IsHalfwidthKana(unit);
  return found;
}

}  // namespace

KeywordMatcher::KeywordMatcher(const std::vector<std::u16string>& keywords, bool fold)
    : fold_(fold), keyword_count_(static_cast<std::uint32_t>(keywords.size())) {
  std::vector<std::u16string> folded;
  folded.reserve(keywords.size());
  for (const auto& keyword : keywords) folded.push_back(fold ? FoldText(keyword) : keyword);
  Build(folded);
  if (fold) {
    // Each unit's class is that of its fold, so that a line is folded by the
    // same lookup that classifies it; only half-width kana with a mark need
    // more. A fold is a unit that folds to itself, so none is overwritten
    // before it is read.
    for (char16_t unit : UnitsThatFold()) classes_[unit] = classes_[FoldUnit(unit)];
  }
}

void KeywordMatcher::Build(const std::vector<std::u16string>& keywords) {
  classes_.assign(kUnitCount, 0);
  std::uint32_t class_count = 1;
  for (const auto& keyword : keywords) {
    for (char16_t unit : keyword) {
      if (classes_[unit] == 0) classes_[unit] = class_count++;
    }
  }

  // The trie, with children in ordered maps while it grows.
  std::vector<std::map<std::uint32_t, State>> children(1);
  std::vector<std::uint32_t> own_first(1, kNone), own_length(1, 0);
  repeats_.assign(keywords.size(), {});
  for (std::uint32_t index = 0; index < keywords.size(); ++index) {
    const std::u16string& keyword = keywords[index];
    if (keyword.empty()) {
      if (empty_keyword_ == kNone) {
        empty_keyword_ = index;
      } else {
        repeats_[empty_keyword_].push_back(index);
      }
      continue;
    }
    State state = 0;
    for (char16_t unit : keyword) {
      const std::uint32_t unit_class = classes_[unit];
      const auto found = children[state].find(unit_class);
      if (found != children[state].end()) {
        state = found->second;
        continue;
      }
      const State added = static_cast<State>(children.size());
      children[state].emplace(unit_class, added);
      children.emplace_back();
      own_first.push_back(kNone);
      own_length.push_back(0);
      state = added;
    }
    if (own_first[state] == kNone) {
      own_first[state] = index;
      own_length[state] = static_cast<std::uint32_t>(keyword.size());
    } else {
      repeats_[own_first[state]].push_back(index);
    }
  }

  const size_t states = children.size();
  edge_begin_.assign(states + 1, 0);
  edge_class_.clear();
  edge_target_.clear();
  for (size_t s = 0; s < states; ++s) {
    edge_begin_[s] = static_cast<std::uint32_t>(edge_class_.size());
    for (const auto& [unit_class, target] : children[s]) {
      edge_class_.push_back(unit_class);
      edge_target_.push_back(target);
    }
  }
  edge_begin_[states] = static_cast<std::uint32_t>(edge_class_.size());
  root_next_.assign(class_count, 0);
  for (const auto& [unit_class, target] : children[0]) root_next_[unit_class] = target;

  // Suffix links and outputs, breadth first so that a state's suffix state
  // is done before it.
  fail_.assign(states, 0);
  next_output_.assign(states, 0);
  first_keyword_ = own_first;
  first_length_ = own_length;
  longest_ = own_length;
  std::vector<State> queue;
  queue.reserve(states);
  for (const auto& [unit_class, target] : children[0]) queue.push_back(target);
  for (size_t head = 0; head < queue.size(); ++head) {
    const State state = queue[head];
    const State suffix = fail_[state];
    if (first_keyword_[suffix] < first_keyword_[state]) {
      first_keyword_[state] = first_keyword_[suffix];
      first_length_[state] = first_length_[suffix];
    }
    longest_[state] = std::max(longest_[state], longest_[suffix]);
    next_output_[state] = own_first[suffix] != kNone ? suffix : next_output_[suffix];
    for (const auto& [unit_class, target] : children[state]) {
      fail_[target] = Next(suffix, unit_class);
      queue.push_back(target);
    }
  }
  own_keyword_ = std::move(own_first);
  own_length_ = std::move(own_length);
  first_place_.resize(keywords.size());
  for (size_t k = 0; k < keywords.size(); ++k) first_place_[k] = static_cast<int>(k);
  for (size_t k = 0; k < keywords.size(); ++k) {
    for (const std::uint32_t repeat : repeats_[k]) first_place_[repeat] = static_cast<int>(k);
  }
}

int KeywordMatcher::FirstPlace(int keyword) const {
  if (keyword < 0 || keyword >= static_cast<int>(first_place_.size())) return keyword;
  return first_place_[static_cast<size_t>(keyword)];
}

KeywordMatcher::State KeywordMatcher::Next(State state, std::uint32_t unit_class) const {
  if (unit_class == 0) return 0;
  while (state != 0) {
    const std::uint32_t end = edge_begin_[state + 1];
    for (std::uint32_t e = edge_begin_[state]; e < end; ++e) {
      if (edge_class_[e] == unit_class) return edge_target_[e];
      if (edge_class_[e] > unit_class) break;
    }
    state = fail_[state];
  }
  return root_next_[unit_class];
}

template <bool kPositions, typename Visit>
void KeywordMatcher::Scan(std::u16string_view line, Visit&& visit) const {
  if (classes_.empty()) return;
  // The classes fold every unit on its own; only half-width kana may need a
  // look at the next unit, which changes lengths. Lines without them, most
  // lines, take the lean loop, and their positions are their own.
  composing_ = fold_ && HasHalfwidthKana(line);
  if (composing_) {
    ScanUnits<true, kPositions>(line, visit);
  } else {
    ScanUnits<false, false>(line, visit);
  }
}

template <bool kFold, bool kPositions, typename Visit>
void KeywordMatcher::ScanUnits(std::u16string_view line, Visit& visit) const {
  if (kPositions) origin_.clear();
  State state = 0;
  int folded_index = 0;
  const size_t size = line.size();
  for (size_t i = 0; i < size; ++folded_index) {
    char16_t unit = line[i];
    if (kPositions) origin_.push_back(static_cast<int>(i));
    ++i;
    if (kFold && IsHalfwidthKana(unit) && i < size) {
      if (const char16_t composed = ComposeHalfwidthKana(unit, line[i])) {
        unit = composed;
        ++i;
      }
    }
    state = Next(state, classes_[unit]);
    if (!visit(state, static_cast<int>(i), folded_index)) return;
  }
}

int KeywordMatcher::StartOf(int last, std::uint32_t length) const {
  const int first = last - static_cast<int>(length) + 1;
  return composing_ ? origin_[static_cast<size_t>(first)] : first;
}

int KeywordMatcher::FirstPosition(std::u16string_view line) const {
  if (line.empty()) return 0;
  std::uint32_t best = empty_keyword_;
  int position = best == kNone ? 0 : 1;
  Scan<true>(line, [&](State state, int /*end*/, int last) {
    if (first_keyword_[state] < best) {
      best = first_keyword_[state];
      position = StartOf(last, first_length_[state]) + 1;
    }
    // Nothing can come before the first keyword.
    return best != 0;
  });
  return position;
}

bool KeywordMatcher::AnyIn(std::u16string_view line) const {
  if (line.empty()) return false;
  if (empty_keyword_ != kNone) return true;
  bool found = false;
  Scan<false>(line, [&](State state, int, int) {
    found = first_keyword_[state] != kNone;
    return !found;
  });
  return found;
}

template <typename Visit>
void KeywordMatcher::ForEachEndingIn(State state, Visit&& visit) const {
  if (own_keyword_[state] == kNone) state = next_output_[state];
  while (state != 0) {
    visit(own_keyword_[state], own_length_[state]);
    state = next_output_[state];
  }
}

std::vector<KeywordRange> KeywordMatcher::KeywordOccurrences(std::u16string_view line) const {
  std::vector<KeywordRange> found;
  Scan<true>(line, [&](State state, int end, int last) {
    if (longest_[state] == 0) return true;
    ForEachEndingIn(state, [&](std::uint32_t keyword, std::uint32_t length) {
      found.push_back({StartOf(last, length), end, static_cast<int>(keyword)});
    });
    return true;
  });
  if (found.empty()) return {};

  // Earlier keywords first, each taking the units no earlier one took;
  // next_free skips the units taken, so that each is marked once however
  // many occurrences cover it.
  std::stable_sort(found.begin(), found.end(), [](const KeywordRange& a, const KeywordRange& b) {
    return a.keyword < b.keyword;
  });
  const int size = static_cast<int>(line.size());
  std::vector<int> owner(static_cast<size_t>(size), -1);
  std::vector<int> next_free(static_cast<size_t>(size) + 1);
  for (int u = 0; u <= size; ++u) next_free[static_cast<size_t>(u)] = u;
  const auto free_from = [&](int u) {
    int root = u;
    while (next_free[static_cast<size_t>(root)] != root)
      root = next_free[static_cast<size_t>(root)];
    while (next_free[static_cast<size_t>(u)] != root) {
      u = std::exchange(next_free[static_cast<size_t>(u)], root);
    }
    return root;
  };
  for (const KeywordRange& range : found) {
    for (int u = free_from(range.begin); u < range.end; u = free_from(u + 1)) {
      owner[static_cast<size_t>(u)] = range.keyword;
      next_free[static_cast<size_t>(u)] = u + 1;
    }
  }

  std::vector<KeywordRange> ranges;
  for (int u = 0; u < size; ++u) {
    const int keyword = owner[static_cast<size_t>(u)];
    if (keyword < 0) continue;
    if (!ranges.empty() && ranges.back().end == u && ranges.back().keyword == keyword) {
      ranges.back().end = u + 1;
    } else {
      ranges.push_back({u, u + 1, keyword});
    }
  }
  return ranges;
}

bool KeywordMatcher::CountKeywordsIn(std::u16string_view line, std::vector<int>& counts) const {
  if (line.empty() || keyword_count_ == 0) return false;
  // Each keyword once per line, however often it occurs: a keyword is seen
  // in this line when its stamp is the line's.
  if (seen_in_line_.size() != keyword_count_ || ++line_stamp_ == 0) {
    seen_in_line_.assign(keyword_count_, 0);
    line_stamp_ = 1;
  }
  const auto count = [&](std::uint32_t keyword) {
    if (seen_in_line_[keyword] == line_stamp_) return;
    seen_in_line_[keyword] = line_stamp_;
    ++counts[keyword];
    for (const std::uint32_t repeat : repeats_[keyword]) ++counts[repeat];
  };
  bool found = empty_keyword_ != kNone;
  if (found) count(empty_keyword_);
  Scan<false>(line, [&](State state, int, int) {
    if (first_keyword_[state] != kNone) {
      found = true;
      ForEachEndingIn(state, [&](std::uint32_t keyword, std::uint32_t) { count(keyword); });
    }
    return true;
  });
  return found;
}

}  // namespace vorenta
