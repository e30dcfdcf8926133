#include "mail/single_byte_charsets.h"

namespace vorenta {

namespace {

constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

DecodedText DecodeWindows1252(std::string_view bytes) {
  DecodedText out;
  out.text.reserve(bytes.size());
  for (char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    out.text += b >= 0x80 && b <= 0x9F ? kWindows1252High[b - 0x80] : static_cast<char16_t>(b);
  }
  return out;
}

DecodedText DecodeUtf16(std::string_view bytes, ByteOrder order) {
  size_t start = 0;
  const bool le_bom = bytes.substr(0, 2) == "\xFF\xFE";
  const bool be_bom = bytes.substr(0, 2) == "\xFE\xFF";
  if (order == ByteOrder::kFromBom)
    order = le_bom ? ByteOrder::kLittleEndian : ByteOrder::kBigEndian;
  if ((order == ByteOrder::kLittleEndian && le_bom) || (order == ByteOrder::kBigEndian && be_bom)) {
    start = 2;
  }
  const bool little = order == ByteOrder::kLittleEndian;
  DecodedText out;
  out.text.reserve((bytes.size() - start) / 2 + 1);
  size_t i = start;
  for (; i + 1 < bytes.size(); i += 2) {
    const unsigned char first = static_cast<unsigned char>(bytes[i]);
    const unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
    out.text += static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second);
  }
  if (i < bytes.size()) {
    out.text += u'\uFFFD';
    out.lossy = true;
  }
  return out;
}

}  // namespace vorenta
