#pragma once
// The named character references this reader knows: HTML 4's set, which is
// what mail writers use, and a few more seen in newsletters (stars, the
// music note, ASCII punctuation by name, the spaces).

#include <cstddef>
#include <string_view>

namespace vorenta::html {

struct NamedReference {
  std::string_view name;
  char32_t code_point;
  bool needs_semicolon;  // false for the old names browsers accept without ';'
};

// Exact, case-sensitive match of the whole name; nullptr when unknown.
const NamedReference* FindNamedReference(std::u16string_view name);

// The longest name that may appear without ';'.
inline constexpr size_t kLongestBareName = 6;
inline constexpr size_t kLongestName = 14;

}  // namespace vorenta::html
