#pragma once
// ISO-2022-JP as Japanese mail programs write it, with the variants that
// turn up in mail:
//   ESC ( B, ESC ( J (JIS Roman, kept as ASCII), ESC $ @, ESC $ B (JIS X 0208
//   and its NEC and IBM extensions, through code page 932), ESC ( I and
//   SO/SI (half-width katakana, as Windows' encoders write it), ESC $ ( Q
//   and ESC $ ( O (JIS X 0213 plane 1, read where it agrees with JIS X 0208),
//   ESC . A with ESC N (ISO-2022-JP-2's Latin-1).
// Not read: JIS X 0212 (ESC $ ( D), JIS X 0213 plane 2, GB 2312, KS C 5601
// and other sets; each of their characters becomes one U+FFFD. So does each
// byte that fits no state. Line ends do not reset the state, and a state
// that is never closed is fine.

#include <string_view>

#include "core/ansi_codec.h"
#include "mail/charsets.h"

namespace vorenta {

DecodedText DecodeIso2022Jp(std::string_view bytes, const AnsiCodec& cp932);

// True when the bytes hold an escape sequence that starts Japanese text.
bool HasIso2022JpEscapes(std::string_view bytes);

}  // namespace vorenta
