#pragma once
// The code page 932 decoder as it was before it learned to skip runs of
// invalid bytes: one iconv call per invalid byte, over the whole rest of
// the input. Slow, plainly right; the reference the codec is held to.

#include <string>

#include "core/ansi_codec.h"

namespace vorenta::reference {

AnsiText DecodeCp932ByteByByte(const std::string& bytes);

}  // namespace vorenta::reference
