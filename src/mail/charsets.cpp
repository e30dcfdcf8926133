#include "mail/charsets.h"

#include <algorithm>

#include "core/utf8.h"
#include "mail/euc_jp.h"
#include "mail/iso_2022_jp.h"
#include "mail/single_byte_charsets.h"

namespace vorenta {

namespace {

struct Alias {
  std::string_view label;
  Charset charset;
};

// Labels as senders write them; the ISO-2022-JP variants and Windows' own
// names for its encoders are all read by the one ISO-2022-JP decoder.
constexpr Alias kAliases[] = {
    {"iso-2022-jp", Charset::kIso2022Jp},
    {"csiso2022jp", Charset::kIso2022Jp},
    {"iso-2022-jp-1", Charset::kIso2022Jp},
    {"iso-2022-jp-2", Charset::kIso2022Jp},
    {"csiso2022jp2", Charset::kIso2022Jp},
    {"iso-2022-jp-3", Charset::kIso2022Jp},
    {"iso-2022-jp-2004", Charset::kIso2022Jp},
    {"iso-2022-jp-ms", Charset::kIso2022Jp},
    {"cp50220", Charset::kIso2022Jp},
    {"cp50221", Charset::kIso2022Jp},
    {"cp50222", Charset::kIso2022Jp},
    {"shift_jis", Charset::kShiftJis},
    {"shift-jis", Charset::kShiftJis},
    {"sjis", Charset::kShiftJis},
    {"x-sjis", Charset::kShiftJis},
    {"ms_kanji", Charset::kShiftJis},
    {"csshiftjis", Charset::kShiftJis},
    {"windows-31j", Charset::kShiftJis},
    {"cp932", Charset::kShiftJis},
    {"ms932", Charset::kShiftJis},
    {"x-ms-cp932", Charset::kShiftJis},
    {"euc-jp", Charset::kEucJp},
    {"x-euc-jp", Charset::kEucJp},
    {"eucjp", Charset::kEucJp},
    {"cseucpkdfmtjapanese", Charset::kEucJp},
    {"utf-8", Charset::kUtf8},
    {"utf8", Charset::kUtf8},
    {"unicode-1-1-utf-8", Charset::kUtf8},
    {"us-ascii", Charset::kUsAscii},
    {"ascii", Charset::kUsAscii},
    {"ansi_x3.4-1968", Charset::kUsAscii},
    {"iso646-us", Charset::kUsAscii},
    {"iso-8859-1", Charset::kWindows1252},
    {"iso8859-1", Charset::kWindows1252},
    {"iso_8859-1", Charset::kWindows1252},
    {"iso_8859-1:1987", Charset::kWindows1252},
    {"iso-ir-100", Charset::kWindows1252},
    {"csisolatin1", Charset::kWindows1252},
    {"latin1", Charset::kWindows1252},
    {"l1", Charset::kWindows1252},
    {"cp819", Charset::kWindows1252},
    {"ibm819", Charset::kWindows1252},
    {"windows-1252", Charset::kWindows1252},
    {"cp1252", Charset::kWindows1252},
    {"x-cp1252", Charset::kWindows1252},
    {"utf-16", Charset::kUtf16},
    {"utf-16le", Charset::kUtf16Le},
    {"utf-16be", Charset::kUtf16Be},
};

bool IsTrimmed(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '"' || c == '\'';
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Has8BitBytes(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

DecodedText FromUtf8(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
  Utf8Text decoded = DecodeUtf8(bytes);
  return {std::move(decoded.text), decoded.lossy};
}

DecodedText FromCp932(std::string_view bytes, const AnsiCodec& cp932) {
  AnsiText decoded = cp932.Decode(std::string(bytes));
  return {std::move(decoded.text), decoded.lossy};
}

}  // namespace

std::optional<Charset> CharsetFromLabel(std::string_view label) {
  while (!label.empty() && IsTrimmed(label.front())) label.remove_prefix(1);
  while (!label.empty() && IsTrimmed(label.back())) label.remove_suffix(1);
  for (const Alias& alias : kAliases) {
    if (alias.label.size() == label.size() &&
        std::equal(label.begin(), label.end(), alias.label.begin(),
                   [](char a, char b) { return AsciiLower(a) == b; })) {
      return alias.charset;
    }
  }
  return std::nullopt;
}

DecodedText DecodeAs(Charset charset, std::string_view bytes, const AnsiCodec& cp932) {
  switch (charset) {
    case Charset::kIso2022Jp:
      // 8-bit text with no escape at all is some other charset mislabelled.
      if (bytes.find('\x1b') == std::string_view::npos && Has8BitBytes(bytes)) {
        return DecodeUnlabelled(bytes, cp932);
      }
      return DecodeIso2022Jp(bytes, cp932);
    case Charset::kShiftJis:
      return FromCp932(bytes, cp932);
    case Charset::kEucJp:
      return DecodeEucJp(bytes, cp932);
    case Charset::kUtf8:
      return FromUtf8(bytes);
    case Charset::kUsAscii:
      // Senders label all sorts of text US-ASCII; ASCII itself reads the same.
      return DecodeUnlabelled(bytes, cp932);
    case Charset::kWindows1252:
      return DecodeWindows1252(bytes);
    case Charset::kUtf16:
      return DecodeUtf16(bytes, ByteOrder::kFromBom);
    case Charset::kUtf16Le:
      return DecodeUtf16(bytes, ByteOrder::kLittleEndian);
    case Charset::kUtf16Be:
      return DecodeUtf16(bytes, ByteOrder::kBigEndian);
  }
  return DecodeUnlabelled(bytes, cp932);
}

std::optional<DecodedText> DecodeCharset(std::string_view label, std::string_view bytes,
                                         const AnsiCodec& cp932) {
  const std::optional<Charset> charset = CharsetFromLabel(label);
  if (!charset) return std::nullopt;
  return DecodeAs(*charset, bytes, cp932);
}

DecodedText DecodeUnlabelled(std::string_view bytes, const AnsiCodec& cp932) {
  const bool has_escapes = HasIso2022JpEscapes(bytes);
  if (!Has8BitBytes(bytes)) {
    if (has_escapes) return DecodeIso2022Jp(bytes, cp932);
    return FromUtf8(bytes);
  }
  DecodedText utf8 = FromUtf8(bytes);
  if (!utf8.lossy) return utf8;
  if (has_escapes) return DecodeIso2022Jp(bytes, cp932);
  return FromCp932(bytes, cp932);
}

}  // namespace vorenta
