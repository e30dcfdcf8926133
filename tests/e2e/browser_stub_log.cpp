#include "browser_stub_log.h"

#include <cstring>

#include "file_bytes.h"

namespace vorenta_e2e {

std::optional<BrowserStart> ReadBrowserStart(const VorentaSession& vorenta) {
  const std::optional<std::string> bytes = ReadFileBytes(vorenta.PathOf(kBrowserLogFile));
  if (!bytes) return std::nullopt;
  std::u16string text(bytes->size() / 2, u'\0');
  std::memcpy(text.data(), bytes->data(), text.size() * 2);
  const size_t first_break = text.find(u'\n');
  if (first_break == std::u16string::npos) return std::nullopt;
  const size_t second_break = text.find(u'\n', first_break + 1);
  return BrowserStart{text.substr(0, first_break),
                      text.substr(first_break + 1, second_break - first_break - 1)};
}

}  // namespace vorenta_e2e
