#pragma once
// Header field values with RFC 2047 encoded words (=?charset?B?...?= and
// =?charset?Q?...?=), as Japanese senders write them.

#include <optional>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"
#include "mail/charsets.h"

namespace vorenta {

struct EncodedWord {
  Charset charset;
  std::string bytes;  // the decoded B or Q text, still in the charset
  size_t length = 0;  // of the whole word in the header text
};

// The encoded word that text starts with: a charset this program reads (an
// RFC 2231 "*language" suffix ignored), B or Q in either case, and encoded
// text without white space or '?' up to "?=". nullopt otherwise.
std::optional<EncodedWord> ReadEncodedWord(std::string_view text);

// One line of text from a header field's value as it stands in the mail.
// Folding is undone here: every CR and LF is removed and the white space
// after it kept. Encoded words are decoded; the white space between two of
// them is dropped, and neighbours of the same charset are joined before
// decoding, since senders cut multibyte characters and ISO-2022-JP escape
// states across words. A malformed word stays as its text. Text outside the
// words that holds 8-bit bytes or ESC (raw ISO-2022-JP, Shift_JIS or UTF-8)
// is decoded as unlabelled text. Line breaks that the words decode to become
// spaces, so the result never holds a CR or LF.
std::u16string DecodeHeaderText(std::string_view raw_value, const AnsiCodec& cp932);

}  // namespace vorenta
