// The ANSI codec of the Windows build: the system's ANSI code page (CP_ACP),
// or code page 932 for Japanese mail whatever the system's is.
//
// Loss is reported, not hidden: a character the code page cannot hold is
// written as the code page's default character (lpUsedDefaultChar), and a
// character that is written as another one (a best-fit form such as ¥ as \)
// is found by converting the bytes back. Bytes that are not valid in the
// code page become U+FFFD, one per byte that cannot start a character, as in
// the native codec, instead of whatever the system would put there.

#include <windows.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <string>

#include "core/ansi_codec.h"
#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

constexpr UINT kUtf8CodePage = 65001;
// Conversions are made in pieces that the int lengths of the API can hold.
constexpr size_t kMaxPiece = 1 << 26;

UINT ActualCodePage(UINT code_page) { return code_page == CP_ACP ? GetACP() : code_page; }

// Appends the conversion of the bytes, or returns false (appending nothing)
// when some byte sequence is not valid in the code page.
bool DecodeStrict(UINT code_page, const char* bytes, size_t length, std::wstring& out) {
  if (length == 0) return true;
  const int in_length = static_cast<int>(length);
  const int needed =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes, in_length, nullptr, 0);
  if (needed <= 0) return false;
  const size_t old_size = out.size();
  out.resize(old_size + needed);
  const int written = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes, in_length,
                                          &out[old_size], needed);
  if (written != needed) {
    out.resize(old_size);
    return false;
  }
  return true;
}

// How many bytes the character that begins with this byte takes, judged by
// the byte alone: lead bytes of a double-byte code page, the lead forms of
// UTF-8; 1 for everything else.
class CharLengths {
 public:
  explicit CharLengths(UINT code_page) {
    lengths_.fill(1);
    if (ActualCodePage(code_page) == kUtf8CodePage) {
      for (int b = 0xC0; b < 0x100; ++b) lengths_[b] = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
      return;
    }
    CPINFO info{};
    if (!GetCPInfo(code_page, &info) || info.MaxCharSize < 2) return;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
      for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1] && b < 0x100; ++b) {
        lengths_[b] = 2;
      }
    }
  }
  size_t operator()(char byte) const { return lengths_[static_cast<unsigned char>(byte)]; }

 private:
  std::array<unsigned char, 256> lengths_{};
};

// Decodes bytes that hold invalid sequences: valid stretches are converted
// whole, in pieces that double after each success and halve after each
// failure, down to single characters; a single character that does not
// convert becomes U+FFFD and decoding goes on with its next byte. Mostly
// valid text costs little more than one conversion.
std::wstring DecodeLenient(UINT code_page, const std::string& bytes, bool& lossy) {
  const CharLengths char_length(code_page);
  std::wstring out;
  out.reserve(bytes.size());
  size_t pos = 0;
  size_t piece_chars = 1;
  while (pos < bytes.size()) {
    size_t end = pos;
    size_t chars = 0;
    while (end < bytes.size() && chars < piece_chars && end - pos < kMaxPiece) {
      end = std::min(bytes.size(), end + char_length(bytes[end]));
      ++chars;
    }
    if (DecodeStrict(code_page, bytes.data() + pos, end - pos, out)) {
      pos = end;
      piece_chars = std::min(piece_chars * 2, kMaxPiece);
    } else if (chars > 1) {
      piece_chars = chars / 2;
    } else {
      out += L'\uFFFD';
      lossy = true;
      ++pos;
      piece_chars = 1;
    }
  }
  return out;
}

std::wstring DecodeWhole(UINT code_page, const std::string& bytes, bool& lossy) {
  std::wstring out;
  lossy = false;
  if (bytes.size() <= kMaxPiece && DecodeStrict(code_page, bytes.data(), bytes.size(), out)) {
    return out;
  }
  // Not valid, or too long for one call: piece by piece.
  out.clear();
  return DecodeLenient(code_page, bytes, lossy);
}

}  // namespace

class Win32AnsiCodec : public AnsiCodec {
 public:
  explicit Win32AnsiCodec(UINT code_page) : code_page_(code_page) {}

  AnsiBytes Encode(const std::u16string& text) const override {
    AnsiBytes result;
    const std::wstring wide = ToWide(text);
    // The API refuses lpUsedDefaultChar for UTF-8, which holds every
    // character anyway; the round trip below still finds lone surrogates.
    const bool utf8 = ActualCodePage(code_page_) == kUtf8CodePage;
    for (size_t pos = 0; pos < wide.size();) {
      size_t length = std::min(kMaxPiece, wide.size() - pos);
      // Never split a surrogate pair between two pieces.
      if (pos + length < wide.size() && IS_HIGH_SURROGATE(wide[pos + length - 1])) --length;
      BOOL used_default = FALSE;
      BOOL* used_default_ptr = utf8 ? nullptr : &used_default;
      const int needed =
          WideCharToMultiByte(code_page_, 0, wide.data() + pos, static_cast<int>(length), nullptr,
                              0, nullptr, used_default_ptr);
      if (needed <= 0) {
        result.lossy = true;
        break;
      }
      const size_t old_size = result.bytes.size();
      result.bytes.resize(old_size + needed);
      WideCharToMultiByte(code_page_, 0, wide.data() + pos, static_cast<int>(length),
                          &result.bytes[old_size], needed, nullptr, used_default_ptr);
      result.lossy |= used_default != FALSE;
      pos += length;
    }
    if (!result.lossy) result.lossy = Decode(result.bytes).text != text;
    return result;
  }

  AnsiText Decode(const std::string& bytes) const override {
    AnsiText result;
    const std::wstring wide = DecodeWhole(code_page_, bytes, result.lossy);
    result.text = FromWide(wide);
    return result;
  }

 private:
  UINT code_page_;
};

std::unique_ptr<AnsiCodec> MakeSystemAnsiCodec() {
  return std::make_unique<Win32AnsiCodec>(CP_ACP);
}

std::unique_ptr<AnsiCodec> MakeCodePage932Codec() { return std::make_unique<Win32AnsiCodec>(932); }

}  // namespace vorenta
