#pragma once
// The Date field as a Japanese mail program shows it.

#include <optional>
#include <string>
#include <string_view>

namespace vorenta {

// "yyyy/MM/dd HH:mm" of an RFC 5322 date ("Mon, 7 Dec 2026 09:30:00 +0900
// (JST)", the day name, seconds, zone and comments optional, two- and
// three-digit years as RFC 5322 reads them), in the zone it was written in.
// nullopt when the text is no such date.
std::optional<std::u16string> FormatMailDate(std::string_view value);

}  // namespace vorenta
