#pragma once
// Lays text out in lines the way a browser's line boxes fall: collapsible
// spaces shrink to one and vanish at the ends of lines, a block boundary
// ends a line only when it holds text, a forced break always does. Breaks
// are written only once text follows them, so the result never begins or
// ends with an empty line.

#include <algorithm>
#include <string>
#include <string_view>

namespace vorenta::html {

class LineWriter {
 public:
  explicit LineWriter(size_t expected_size) { text_.reserve(expected_size); }

  // A character shown as it is; never CR or LF.
  void Put(char16_t c) {
    if (breaks_ > 0) {
      for (; breaks_ > 0; --breaks_) text_ += u"\r\n";
    } else if (space_) {
      text_ += u' ';
    }
    space_ = false;
    text_ += c;
  }

  // A space that shows only between two characters on one line.
  void Space() { space_ = !text_.empty(); }

  // A line break of its own (br, a newline in pre): two give an empty line.
  void Break() {
    if (text_.empty()) return;
    ++breaks_;
    space_ = false;
  }

  // The edge of a block: the line ends if it holds text, and at least
  // blank_lines empty lines come before the next text.
  void Boundary(int blank_lines) {
    if (text_.empty()) return;
    breaks_ = std::max(breaks_, 1 + blank_lines);
    space_ = false;
  }

  // One space and s right after the last character written, even when
  // breaks wait to be written; text on the same line is kept apart from it.
  void AppendToLastText(std::u16string_view s) {
    text_ += u' ';
    text_ += s;
    space_ = breaks_ == 0;
  }

  // What is written so far, pending breaks and spaces not included.
  const std::u16string& text() const { return text_; }

  std::u16string Take() { return std::move(text_); }

 private:
  std::u16string text_;
  int breaks_ = 0;
  bool space_ = false;
};

}  // namespace vorenta::html
