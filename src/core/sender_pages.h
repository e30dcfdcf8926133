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

// A row the user added (SMsenders.txt), looked up after the built-in ones.
struct SenderRow {
  std::u16string key;
  std::u16string page;
  bool operator==(const SenderRow&) const = default;
};

// The sender key of a mail's first line: the line from its seventh
// character on (the first six are a prefix such as "From: "). Empty for a
// line of six characters or fewer.
std::u16string SenderKeyOf(const std::u16string& first_line);

// The page of the sender named by the mail's first line: its key must equal
// a row's key exactly, case included. Built-in rows are looked at first, in
// their order, then the user's rows in theirs. Empty when none matches.
std::u16string FindSenderPage(const std::u16string& first_line,
                              std::span<const SenderRow> user_rows = {});
// The same for a sender key itself (an address followed by '>').
std::u16string FindSenderPageForKey(std::u16string_view key,
                                    std::span<const SenderRow> user_rows = {});

inline constexpr std::u16string_view kBrowserPath =
    u"C:\\Program Files\\Internet Explorer\\Iexplore.exe";

// The browser's path is quoted: unquoted, a program at C:\Program.exe would
// be started in its place.
std::u16string BrowserCommandLine(const std::u16string& page);

}  // namespace vorenta
