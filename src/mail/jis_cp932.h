#pragma once
// Two-byte JIS codes read through code page 932.
//
// A JIS code (row byte and cell byte, 0x21-0x7E each) has a code page 932
// form that follows from it arithmetically, so decoding that form with the
// system's codec gives the NEC row 13 and the NEC-selected IBM rows 89-92 as
// Windows gives them. Only codes that code page 932 holds reach the codec:
// a code in a gap would make the codec read its second byte as a character
// of its own, or as the first byte of the next one.
//
// Charset walkers report what they read to a sink, in order:
//   Ascii(std::string_view)   a run of ASCII characters
//   Unit(char16_t)            a character decoded without the codec
//   Bad()                     one U+FFFD
//   Pair(char lead, char trail)  a code page 932 character for the codec
// DecodeThroughCp932 runs a walker twice: once to gather the pairs, which
// the codec then decodes in one call, and once to write the text.

#include <array>
#include <string>
#include <string_view>

#include "core/ansi_codec.h"
#include "mail/charsets.h"

namespace vorenta {

namespace jis_detail {
extern const std::array<bool, 94 * 94> kCp932HeldCodes;
}  // namespace jis_detail

// True when code page 932 has a character at the JIS code (bytes 0x21-0x7E).
inline bool Cp932HoldsJisCode(unsigned char row, unsigned char cell) {
  if (row < 0x21 || row > 0x7E || cell < 0x21 || cell > 0x7E) return false;
  return jis_detail::kCp932HeldCodes[(row - 0x21) * 94 + (cell - 0x21)];
}

struct Cp932Pair {
  char lead;
  char trail;
};
Cp932Pair JisCodeToCp932(unsigned char row, unsigned char cell);

namespace jis_detail {

class PairGatherer {
 public:
  void Ascii(std::string_view) {}
  void Unit(char16_t) {}
  void Bad() {}
  void Pair(char lead, char trail) {
    bytes += lead;
    bytes += trail;
  }
  std::string bytes;
};

class TextWriter {
 public:
  // pair_text holds one character per pair in walk order; without it
  // (codec_for_each_pair set) each pair is decoded on its own.
  TextWriter(std::u16string_view pair_text, const AnsiCodec* codec_for_each_pair, DecodedText& out)
      : pair_text_(pair_text), codec_(codec_for_each_pair), out_(out) {}
  void Ascii(std::string_view run) { out_.text.append(run.begin(), run.end()); }
  void Unit(char16_t c) { out_.text += c; }
  void Bad() {
    out_.text += u'\uFFFD';
    out_.lossy = true;
  }
  void Pair(char lead, char trail) {
    if (codec_ == nullptr) {
      out_.text += next_ < pair_text_.size() ? pair_text_[next_++] : u'\uFFFD';
    } else {
      DecodeOnItsOwn(lead, trail);
    }
  }

 private:
  void DecodeOnItsOwn(char lead, char trail);

  std::u16string_view pair_text_;
  size_t next_ = 0;
  const AnsiCodec* codec_;
  DecodedText& out_;
};

}  // namespace jis_detail

// walk(sink) must report the same calls each time it is run.
template <typename Walk>
DecodedText DecodeThroughCp932(size_t size_hint, const Walk& walk, const AnsiCodec& cp932) {
  jis_detail::PairGatherer gatherer;
  gatherer.bytes.reserve(size_hint);
  walk(gatherer);
  AnsiText pairs;
  if (!gatherer.bytes.empty()) pairs = cp932.Decode(gatherer.bytes);
  // The codec gives one character per pair unless it disagrees with
  // Cp932HoldsJisCode; then each pair is decoded on its own, so that one
  // disagreement cannot shift every character after it.
  const bool one_per_pair = pairs.text.size() * 2 == gatherer.bytes.size();
  DecodedText out;
  out.text.reserve(size_hint);
  out.lossy = pairs.lossy;
  jis_detail::TextWriter writer(one_per_pair ? std::u16string_view(pairs.text) : u"",
                                one_per_pair ? nullptr : &cp932, out);
  walk(writer);
  return out;
}

}  // namespace vorenta
