#include "core/sender_pages.h"

namespace vorenta {
namespace {

constexpr SenderPage kSenderPages[] = {
#include "sender_pages.inc"
};

constexpr int kSenderPrefixLength = 6;

}  // namespace

std::span<const SenderPage> SenderPages() { return kSenderPages; }

std::u16string SenderKeyOf(const std::u16string& first_line) {
  if (first_line.size() <= kSenderPrefixLength) return {};
  return first_line.substr(kSenderPrefixLength);
}

std::u16string FindSenderPage(const std::u16string& first_line,
                              std::span<const SenderRow> user_rows) {
  if (first_line.size() < kSenderPrefixLength) return {};
  return FindSenderPageForKey(std::u16string_view(first_line).substr(kSenderPrefixLength),
                              user_rows);
}

std::u16string FindSenderPageForKey(std::u16string_view key, std::span<const SenderRow> user_rows) {
  for (const auto& row : kSenderPages) {
    if (row.key == key) return std::u16string(row.page);
  }
  for (const auto& row : user_rows) {
    if (row.key == key) return row.page;
  }
  return {};
}

std::u16string BrowserCommandLine(const std::u16string& page) {
  std::u16string command_line;
  command_line.reserve(kBrowserPath.size() + 3 + page.size());
  command_line += u'"';
  command_line += kBrowserPath;
  command_line += u"\" ";
  command_line += page;
  return command_line;
}

}  // namespace vorenta
