#pragma once
// What the window draws from the last search: the runs marked in a mail
// line, and what the keyword list shows beside a keyword.

#include <optional>

namespace vorenta {

// A run of a line marked in a keyword's colour (see keyword_colours.h).
struct Highlight {
  int begin = 0;
  int end = 0;
  int colour = 0;
  bool operator==(const Highlight&) const = default;
};

// The list holds only the keyword's own text; the rest is drawn.
struct KeywordListEntry {
  bool empty = false;         // matches every line; drawn as a placeholder
  bool repeated = false;      // the same keyword is listed above it
  std::optional<int> lines;   // lines the last search found it in
  std::optional<int> colour;  // none for the empty keyword, which marks nothing
  bool operator==(const KeywordListEntry&) const = default;
};

}  // namespace vorenta
