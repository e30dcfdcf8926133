#pragma once
// The mailboxes of an address field such as From.

#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_codec.h"

namespace vorenta {

struct Mailbox {
  std::u16string name;     // the decoded display name, or the comment after a bare address
  std::u16string address;  // the bare address, e.g. news@shop-aoba.example.jp; may be empty
};

// Reads "name <address>", bare addresses, quoted names with commas or '<' in
// them, comments, group syntax, encoded-word names and raw 8-bit or
// ISO-2022-JP names. Never fails; what holds neither a name nor an address
// is left out.
std::vector<Mailbox> ParseMailboxList(std::string_view raw_value, const AnsiCodec& cp932);

// "name <address>", or the one of them there is.
std::u16string FormatMailbox(const Mailbox& mailbox);

}  // namespace vorenta
