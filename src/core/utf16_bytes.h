#pragma once
// Text stored as UTF-16 bytes, as Notepad's "Unicode" saves it.

#include <string>
#include <string_view>

namespace vorenta {

inline constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
inline constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

struct Utf16Text {
  std::u16string text;
  bool lossy = false;  // an odd last byte, which became U+FFFD
};

// The code units as they are, unpaired surrogates included.
Utf16Text DecodeUtf16(std::string_view bytes, bool big_endian);

}  // namespace vorenta
