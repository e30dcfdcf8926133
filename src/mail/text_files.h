#pragma once
// Text and HTML files dropped on the window, in whatever charset they came.

#include <string_view>

#include "core/ansi_codec.h"
#include "mail/charsets.h"

namespace vorenta {

// A BOM (UTF-8, UTF-16 LE or BE) decides and is dropped; else UTF-8 when the
// bytes are valid UTF-8; else code page 932.
DecodedText DecodeTextFile(std::string_view bytes, const AnsiCodec& cp932);

// A BOM; else the charset of a <meta> tag in the first 4096 bytes; else
// valid UTF-8; else code page 932.
DecodedText DecodeHtmlFile(std::string_view bytes, const AnsiCodec& cp932);

}  // namespace vorenta
