#pragma once
// UTF-8, as the keyword file's second form and mail text use it.

#include <string>
#include <string_view>

namespace vorenta {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Every UTF-16 text survives the round trip through EncodeUtf8 and
// DecodeUtf8: an unpaired surrogate is written as its own three bytes (the
// form of the code point, as WTF-8 does) instead of being replaced.
std::string EncodeUtf8(std::u16string_view text);

struct Utf8Text {
  std::u16string text;
  bool lossy = false;  // some bytes were not UTF-8; each became U+FFFD
};

// Never fails: each byte that does not begin a well-formed sequence (a stray
// continuation byte, a truncated or overlong sequence, a value past
// U+10FFFF) becomes one U+FFFD and decoding goes on with the next byte. The
// three-byte forms of surrogates are accepted, as EncodeUtf8 writes them.
Utf8Text DecodeUtf8(std::string_view bytes);

}  // namespace vorenta
