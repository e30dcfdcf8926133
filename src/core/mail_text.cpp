#include "core/mail_text.h"

namespace vorenta {

std::vector<std::u16string> SplitMailText(const std::u16string& mail_text) {
  std::vector<std::u16string> lines;
  if (mail_text.empty()) return lines;
  std::u16string current;
  for (char16_t c : mail_text) {
    if (c == u'\n') continue;
    if (c == u'\r') {
      lines.push_back(std::move(current));
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  lines.push_back(std::move(current));
  return lines;
}

}  // namespace vorenta
