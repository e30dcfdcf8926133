#pragma once
// The content transfer encodings of mail bodies and encoded words. Both
// decoders take whatever mail programs send and never fail.

#include <string>
#include <string_view>

namespace vorenta {

// Base64. Characters outside the alphabet (line breaks, spaces, junk) are
// skipped. A '=' ends the current group of four; decoding goes on after it,
// since some senders join encoded pieces without re-encoding them. A last
// group without its padding still gives its bytes.
std::string DecodeBase64(std::string_view text);

// Quoted-printable: =XX in either case, soft line breaks (= before CR LF,
// LF or CR, with spaces allowed in between); a '=' that starts neither is
// kept as it is. header_q: the Q form of encoded words, where '_' is a
// space.
std::string DecodeQuotedPrintable(std::string_view text, bool header_q = false);

}  // namespace vorenta
