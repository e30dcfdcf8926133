#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/keyword_matcher.h"

namespace vorenta {

// 1-based position of the leftmost occurrence of keyword in line, exact
// UTF-16 comparison, or 0. An empty keyword occurs at 1 in every non-empty
// line; nothing occurs in an empty line.
int KeywordPosition(const std::u16string& line, const std::u16string& keyword);

// The position of the first keyword, in list order, that occurs in the line
// (not the leftmost one), or 0 when none does.
int FirstKeywordPosition(const std::u16string& line, const std::vector<std::u16string>& keywords);

// The units the matcher marks in the line, whatever their keyword: its marks
// with touching runs merged.
std::vector<TextRange> MergedOccurrences(const KeywordMatcher& matcher, std::u16string_view line);

}  // namespace vorenta
