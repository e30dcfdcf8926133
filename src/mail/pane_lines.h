#pragma once
// Text for the mail pane: lines joined by CR LF, with no other CR or LF.

#include <string>
#include <string_view>

namespace vorenta {

class PaneLines {
 public:
  // Appends to text, which already holds lines (or none when empty).
  explicit PaneLines(std::u16string& text) : text_(text), has_lines_(!text.empty()) {}

  // line must hold no CR or LF.
  void AddLine(std::u16string_view line);

  // The lines of text, split at CR LF, CR or LF; a line break at the end
  // starts no further line. Returns the number of lines added.
  size_t AddText(std::u16string_view text);

  bool empty() const { return !has_lines_; }

 private:
  std::u16string& text_;
  bool has_lines_;
};

}  // namespace vorenta
