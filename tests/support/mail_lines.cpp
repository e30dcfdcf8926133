#include "support/mail_lines.h"

#include "core/mail_text.h"

namespace vorenta {

std::vector<std::u16string> SplitMailText(const std::u16string& mail_text) {
  std::vector<std::u16string> lines;
  MailLineReader reader(mail_text);
  std::u16string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

}  // namespace vorenta
