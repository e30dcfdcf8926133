// Base64 and quoted-printable on any bytes: never fail, never longer than
// the input, and any bytes survive encoding (by the plain encoders below,
// with line breaks as mail has them) and decoding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "mail/transfer_encodings.h"

using namespace vorenta;

namespace {

std::string EncodeBase64(std::string_view bytes) {
  constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    uint32_t bits = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) bits |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) bits |= static_cast<uint8_t>(bytes[i + 2]);
    out += kAlphabet[bits >> 18];
    out += kAlphabet[(bits >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(bits >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kAlphabet[bits & 63] : '=';
    if (out.size() % 78 == 76) out += "\r\n";
  }
  return out;
}

std::string EncodeQuotedPrintable(std::string_view bytes) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  size_t line = 0;
  for (char c : bytes) {
    const uint8_t b = static_cast<uint8_t>(c);
    std::string piece(1, c);
    if (b < 0x21 || b > 0x7E || c == '=') piece = {'=', kHex[b >> 4], kHex[b & 15]};
    if (line + piece.size() > 75) {
      out += "=\r\n";
      line = 0;
    }
    out += piece;
    line += piece.size();
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(DecodeBase64(bytes).size() <= size * 3 / 4 + 1);
  FUZZ_CHECK(DecodeQuotedPrintable(bytes).size() <= size);
  FUZZ_CHECK(DecodeQuotedPrintable(bytes, true).size() <= size);
  FUZZ_CHECK(DecodeBase64(EncodeBase64(bytes)) == bytes);
  FUZZ_CHECK(DecodeQuotedPrintable(EncodeQuotedPrintable(bytes)) == bytes);
  return 0;
}
