#include "platform/codec/reference_cp932_decode.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>

namespace vorenta::reference {

AnsiText DecodeCp932ByteByByte(const std::string& bytes) {
  const iconv_t cd = iconv_open("UTF-16LE", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) std::abort();  // the codec under test needs it too
  std::string utf16;
  AnsiText result;
  char* in = const_cast<char*>(bytes.data());
  size_t left = bytes.size();
  while (left > 0) {
    char buffer[4096];
    char* out = buffer;
    size_t out_left = sizeof buffer;
    const size_t r = iconv(cd, &in, &left, &out, &out_left);
    utf16.append(buffer, out);
    if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    utf16 += "\xFD\xFF";
    result.lossy = true;
    ++in;
    --left;
  }
  iconv_close(cd);
  for (size_t i = 0; i + 1 < utf16.size(); i += 2) {
    result.text += static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                         (static_cast<unsigned char>(utf16[i + 1]) << 8));
  }
  return result;
}

}  // namespace vorenta::reference
