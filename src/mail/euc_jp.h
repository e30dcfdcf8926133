#pragma once
// EUC-JP: ASCII, JIS X 0208 in two bytes 0xA1-0xFE (through code page 932,
// so the NEC row 13 and the IBM rows 89-92 read as Windows reads them), and
// half-width katakana after 0x8E. JIS X 0212 (0x8F and two bytes) is not
// read: one U+FFFD per character. Each byte that starts nothing valid is one
// U+FFFD.

#include <string_view>

#include "core/ansi_codec.h"
#include "mail/charsets.h"

namespace vorenta {

DecodedText DecodeEucJp(std::string_view bytes, const AnsiCodec& cp932);

}  // namespace vorenta
