#include "mail/pane_lines.h"

namespace vorenta {

void PaneLines::AddLine(std::u16string_view line) {
  if (has_lines_) text_ += u"\r\n";
  text_ += line;
  has_lines_ = true;
}

size_t PaneLines::AddText(std::u16string_view text) {
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
