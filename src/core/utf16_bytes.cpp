#include "core/utf16_bytes.h"

namespace vorenta {

Utf16Text DecodeUtf16(std::string_view bytes, bool big_endian) {
  Utf16Text out;
  out.text.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    out.text.push_back(
        static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first));
  }
  if (bytes.size() % 2 != 0) {
    out.text.push_back(u'\uFFFD');
    out.lossy = true;
  }
  return out;
}

}  // namespace vorenta
