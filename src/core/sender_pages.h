#pragma once
#include <span>
#include <string>
#include <string_view>

namespace vorenta {

struct SenderPage {
  std::u16string_view key;   // sending address followed by '>'
  std::u16string_view page;  // the shop's new-arrivals page
};

// The built-in sender table, in lookup order.
std::span<const SenderPage> SenderPages();

// The page of the sender named by the mail's first line: the line without
// its first six characters must equal a key exactly. Empty when none does.
std::u16string FindSenderPage(const std::u16string& first_line);

inline constexpr std::u16string_view kBrowserPath =
    u"C:\\Program Files\\Internet Explorer\\Iexplore.exe";

// The browser's path is quoted: unquoted, a program at C:\Program.exe would
// be started in its place.
std::u16string BrowserCommandLine(const std::u16string& page);

}  // namespace vorenta
