#include "mail/euc_jp.h"

#include "mail/jis_cp932.h"

namespace vorenta {

namespace {

constexpr unsigned char kSingleShift2 = 0x8E;  // half-width katakana follows
constexpr unsigned char kSingleShift3 = 0x8F;  // JIS X 0212 follows

bool IsEucByte(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }

template <typename Sink>
void WalkEucJp(std::string_view bytes, Sink& sink) {
  const size_t n = bytes.size();
  auto at = [&](size_t i) { return i < n ? static_cast<unsigned char>(bytes[i]) : 0; };
  size_t i = 0;
  while (i < n) {
    const unsigned char b = at(i);
    if (b < 0x80) {
      sink.Unit(b);
      ++i;
    } else if (b == kSingleShift2 && at(i + 1) >= 0xA1 && at(i + 1) <= 0xDF) {
      sink.Unit(static_cast<char16_t>(0xFF61 + (at(i + 1) - 0xA1)));
      i += 2;
    } else if (b == kSingleShift3 && IsEucByte(at(i + 1)) && IsEucByte(at(i + 2))) {
      sink.Bad();
      i += 3;
    } else if (IsEucByte(b) && IsEucByte(at(i + 1))) {
      const unsigned char row = b - 0x80;
      const unsigned char cell = at(i + 1) - 0x80;
      if (Cp932HoldsJisCode(row, cell)) {
        const Cp932Pair pair = JisCodeToCp932(row, cell);
        sink.Pair(pair.lead, pair.trail);
      } else {
        sink.Bad();
      }
      i += 2;
    } else {
      sink.Bad();
      ++i;
    }
  }
}

}  // namespace

DecodedText DecodeEucJp(std::string_view bytes, const AnsiCodec& cp932) {
  return DecodeThroughCp932(
      bytes.size(), [bytes](auto& sink) { WalkEucJp(bytes, sink); }, cp932);
}

}  // namespace vorenta
