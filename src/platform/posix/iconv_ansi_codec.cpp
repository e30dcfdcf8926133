// The ANSI codec of native builds: code page 932 through glibc's iconv.
//
// It behaves like the Windows codec where the tests can see it: a character
// that code page 932 cannot hold is written as '?' and reported; bytes that
// are not code page 932 become U+FFFD, one per byte that cannot start a
// character, and are reported; NUL is an ordinary character both ways.

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <string>

#include "core/ansi_codec.h"

namespace vorenta {

namespace {

constexpr char kCodePage[] = "CP932";
constexpr char kUtf16[] = "UTF-16LE";

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of [*in, *in + *in_left) as it can, appending to out.
  // Returns 0 when everything was converted, else the errno that stopped it
  // (EILSEQ or EINVAL) with *in at the offending input. iconv is given at
  // most a chunk at a time: a sanitizer checks the whole input range on
  // every call, which would make one call per invalid byte quadratic.
  int Convert(const char** in, size_t* in_left, std::string& out) {
    while (*in_left > 0) {
      const size_t chunk = std::min(*in_left, kChunkBytes);
      const bool last_chunk = chunk == *in_left;
      const char* const chunk_start = *in;
      size_t chunk_left = chunk;
      const int error = ConvertChunk(in, &chunk_left, out);
      *in_left -= static_cast<size_t>(*in - chunk_start);
      // A character cut by the chunk's end is no error: the next chunk
      // begins with it.
      if (error == EINVAL && !last_chunk) continue;
      if (error != 0) return error;
    }
    return 0;
  }

 private:
  static constexpr size_t kChunkBytes = 4096;

  int ConvertChunk(const char** in, size_t* in_left, std::string& out) {
    char buffer[4096];
    while (*in_left > 0) {
      char* out_ptr = buffer;
      size_t out_left = sizeof buffer;
      const size_t r = iconv(cd_, const_cast<char**>(in), in_left, &out_ptr, &out_left);
      out.append(buffer, out_ptr);
      if (r != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      const int error = errno == EINVAL ? EINVAL : EILSEQ;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
      return error;
    }
    return 0;
  }

  iconv_t cd_;
};

std::string ToUtf16Le(const std::u16string& text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

std::u16string FromUtf16Le(const std::string& bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  (static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  return text;
}

using ByteSet = std::array<bool, 256>;

// The bytes that iconv refuses on their own (EILSEQ, where a lead byte
// would be incomplete, EINVAL): whatever follows them, no character of the
// code page starts there.
const ByteSet& BytesThatStartNoCharacter() {
  static const ByteSet bytes = [] {
    ByteSet set{};
    Converter converter(kUtf16, kCodePage);
    if (!converter.ok()) return set;
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      const char* in = &byte;
      size_t left = 1;
      std::string out;
      set[b] = converter.Convert(&in, &left, out) == EILSEQ;
    }
    return set;
  }();
  return bytes;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

class IconvAnsiCodec : public AnsiCodec {
 public:
  AnsiBytes Encode(const std::u16string& text) const override {
    AnsiBytes result;
    const std::string utf16 = ToUtf16Le(text);
    Converter converter(kCodePage, kUtf16);
    if (!converter.ok()) return AsciiOnly(text);
    const char* in = utf16.data();
    size_t left = utf16.size();
    while (left > 0) {
      if (converter.Convert(&in, &left, result.bytes) == 0) break;
      // One character with no form in the code page: a surrogate pair, or a
      // single unit (an unpaired surrogate too).
      const size_t index = (utf16.size() - left) / 2;
      const bool pair = IsHighSurrogate(text[index]) && index + 1 < text.size() &&
                        IsLowSurrogate(text[index + 1]);
      const size_t skip = pair ? 4 : 2;
      result.bytes += '?';
      result.lossy = true;
      in += skip;
      left -= skip;
    }
    // Some characters convert without an error but come back as others
    // (best-fit forms): the round trip finds them.
    if (!result.lossy) result.lossy = Decode(result.bytes).text != text;
    return result;
  }

  AnsiText Decode(const std::string& bytes) const override {
    AnsiText result;
    Converter converter(kUtf16, kCodePage);
    if (!converter.ok()) return AsciiOnly(bytes);
    std::string utf16;
    utf16.reserve(bytes.size() * 2);
    const char* in = bytes.data();
    size_t left = bytes.size();
    const ByteSet& starts_none = BytesThatStartNoCharacter();
    while (left > 0) {
      if (converter.Convert(&in, &left, utf16) == 0) break;
      // A byte that starts no character of the code page, or a lead byte
      // without its trail byte: U+FFFD, and go on with the next byte. A run
      // of bytes that start no character needs no call to iconv.
      result.lossy = true;
      do {
        utf16 += "\xFD\xFF";
        ++in;
        --left;
      } while (left > 0 && starts_none[static_cast<unsigned char>(*in)]);
    }
    result.text = FromUtf16Le(utf16);
    return result;
  }

 private:
  // Without iconv's code page 932 (a system without its gconv modules) only
  // ASCII converts; everything else is reported as lost.
  static AnsiBytes AsciiOnly(const std::u16string& text) {
    AnsiBytes result;
    for (char16_t c : text) {
      const bool ascii = c < 0x80;
      result.bytes += ascii ? static_cast<char>(c) : '?';
      result.lossy |= !ascii;
    }
    return result;
  }
  static AnsiText AsciiOnly(const std::string& bytes) {
    AnsiText result;
    for (char b : bytes) {
      const bool ascii = static_cast<unsigned char>(b) < 0x80;
      result.text += ascii ? static_cast<char16_t>(b) : u'\uFFFD';
      result.lossy |= !ascii;
    }
    return result;
  }
};

}  // namespace

std::unique_ptr<AnsiCodec> MakeSystemAnsiCodec() { return std::make_unique<IconvAnsiCodec>(); }

std::unique_ptr<AnsiCodec> MakeCodePage932Codec() { return std::make_unique<IconvAnsiCodec>(); }

}  // namespace vorenta
