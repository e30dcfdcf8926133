// RTF bodies: any bytes are read without fault, nullopt exactly when they
// do not begin (after white space) with "{\rtf", and with a decoder of one
// unit per byte never give more text than there were bytes; any bytes
// escaped as RTF text come back as they were.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "mail/rtf_body.h"

using namespace vorenta;

namespace {

std::u16string Latin1(int /*code_page*/, std::string_view bytes) {
  std::u16string text;
  for (const char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
  return text;
}

bool BeginsAsRtf(std::string_view bytes) {
  const size_t start = bytes.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

// Printable ASCII as it is, every other byte and the three special
// characters as \'hh.
std::string AsRtfText(std::string_view bytes) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1252 ";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && c != '\\' && c != '{' && c != '}') {
      rtf += c;
    } else {
      rtf += "\\'";
      rtf += kHex[b >> 4];
      rtf += kHex[b & 0xF];
    }
  }
  return rtf + "}";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const CodePageDecoder decode = Latin1;

  const auto body = ReadRtfBody(bytes, decode);
  FUZZ_CHECK(body.has_value() == BeginsAsRtf(bytes));
  if (body) FUZZ_CHECK(body->content.size() <= bytes.size());

  const auto text = ReadRtfBody(AsRtfText(bytes), decode);
  FUZZ_CHECK(text && text->kind == RtfBody::Kind::kText && text->content == Latin1(0, bytes));
  return 0;
}
