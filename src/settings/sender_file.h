#pragma once
// The user's sender file SMsenders.txt beside the program: shops the
// built-in table does not know. One row per line: the sender key, a TAB, the
// new-arrivals page. Empty lines and lines beginning with '#' are skipped.
// CR LF or LF ends a line.
//
// Text form: a file that begins with the UTF-8 byte-order mark is UTF-8; so
// is one whose bytes are all valid UTF-8; any other is in the ANSI code page.
//
// A row reaches the lookup only when its page passes IsAcceptableSenderPage
// and its key IsStorableSenderKey: the page ends up on a command line.
// Only the first kMaxSenderFileBytes (up to the last line end within them)
// and the first kMaxSenderRows rows are read, so a huge or binary file costs
// little and gives nothing worse than rows that match no mail.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/sender_pages.h"
#include "core/ansi_codec.h"

namespace vorenta {

inline constexpr char16_t kSenderFileName[] = u"SMsenders.txt";
inline constexpr std::size_t kMaxSenderFileBytes = 4u << 20;
inline constexpr std::size_t kMaxSenderRows = 10000;
inline constexpr std::size_t kMaxSenderPageLength = 2048;

// An absolute http:// or https:// address with a host, of ASCII characters
// that RFC 3986 allows in an address (letters, digits, - . _ ~, the reserved
// : / ? # [ ] @ ! $ & ' ( ) * + , ; =) and % only before two hex digits.
// Anything else (spaces, double quotes, control characters, < > \ ^ ` { | },
// non-ASCII letters, which would need percent-encoding) refuses the page.
bool IsAcceptableSenderPage(std::u16string_view page);

// A key that reads back as itself from the file: not empty, no control
// characters (TAB and line ends among them), not beginning with '#'.
bool IsStorableSenderKey(std::u16string_view key);

std::vector<SenderRow> ReadSenderFile(std::string_view bytes, const AnsiCodec& codec);

// The file's new bytes: `previous` with the row appended in the file's own
// text form and line-end style. An empty `previous` starts a new file:
// UTF-8 with the byte-order mark, CR LF, the header's lines as comments.
// nullopt when the file is in the ANSI code page and the row has characters
// it cannot hold.
std::optional<std::string> AppendSenderRow(std::string_view previous, const SenderRow& row,
                                           const AnsiCodec& codec,
                                           std::u16string_view new_file_header);

}  // namespace vorenta
