#pragma once
// The charsets Japanese mail arrives in, decoded to UTF-16.
//
// Code page 932 is what Windows shows Japanese text in, so every Japanese
// charset goes through it: Shift_JIS directly, and the two-byte codes of
// ISO-2022-JP and EUC-JP after turning them into code page 932 bytes. The
// NEC and IBM characters (①, ㈱, 髙, 﨑) then read exactly as Windows reads
// them.

#include <optional>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"

namespace vorenta {

struct DecodedText {
  std::u16string text;
  bool lossy = false;  // some bytes did not decode; each such place became U+FFFD
};

enum class Charset {
  kIso2022Jp,
  kShiftJis,
  kEucJp,
  kUtf8,
  kUsAscii,
  kWindows1252,
  kUtf16,  // byte order from the BOM, big-endian without one
  kUtf16Le,
  kUtf16Be,
};

// The charset a MIME or HTML label names, in any case, with surrounding
// spaces and quotes ignored; nullopt for a label this program cannot read.
std::optional<Charset> CharsetFromLabel(std::string_view label);

DecodedText DecodeAs(Charset charset, std::string_view bytes, const AnsiCodec& cp932);

// CharsetFromLabel and DecodeAs in one step.
std::optional<DecodedText> DecodeCharset(std::string_view label, std::string_view bytes,
                                         const AnsiCodec& cp932);

// Text whose charset is missing or unknown: ISO-2022-JP when it is 7-bit and
// holds its escape sequences (such text is also valid UTF-8, but would show
// the escapes), else UTF-8 when it is valid UTF-8, else ISO-2022-JP when it
// holds its escapes among stray 8-bit bytes, else code page 932.
DecodedText DecodeUnlabelled(std::string_view bytes, const AnsiCodec& cp932);

}  // namespace vorenta
