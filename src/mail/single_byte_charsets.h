#pragma once
// The Western single-byte charset, and UTF-16 in bytes.

#include <string_view>

#include "mail/charsets.h"

namespace vorenta {

// Windows-1252, which browsers and mail programs read for ISO-8859-1 as well:
// 0x80-0x9F are its typographic characters, the rest are Latin-1.
DecodedText DecodeWindows1252(std::string_view bytes);

enum class ByteOrder { kFromBom, kLittleEndian, kBigEndian };

// UTF-16 code units as they are, unpaired surrogates too. A BOM that agrees
// with the byte order is dropped (kFromBom: a BOM decides, big-endian
// without one); an odd last byte becomes U+FFFD.
DecodedText DecodeUtf16(std::string_view bytes, ByteOrder order);

}  // namespace vorenta
