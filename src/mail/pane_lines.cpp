#include "mail/pane_lines.h"

namespace vorenta {

void PaneLines::AddLine(std::u16string_view line) {
  if (has_lines_) text_ += u"\r\n";
  text_ += line;
  has_lines_ = true;
}

size_t PaneLines::AddText(std::u16string_view text) {
  // One allocation for a whole body: a CR or LF alone grows by one unit.
  size_t bare_breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      ++i;
    } else if (text[i] == u'\r' || text[i] == u'\n') {
      ++bare_breaks;
    }
  }
  text_.reserve(text_.size() + 2 + text.size() + bare_breaks);
  size_t added = 0;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) {
      AddLine(text.substr(start));
      return added + 1;
    }
    AddLine(text.substr(start, end - start));
    ++added;
    start = end + 1;
    if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
  }
  return added;
}

}  // namespace vorenta
