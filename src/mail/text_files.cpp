#include "mail/text_files.h"

#include <optional>

#include "core/utf8.h"
#include "mail/html_charset.h"
#include "mail/single_byte_charsets.h"

namespace vorenta {

namespace {

std::optional<DecodedText> DecodeByBom(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    Utf8Text text = DecodeUtf8(bytes.substr(kUtf8Bom.size()));
    return DecodedText{std::move(text.text), text.lossy};
  }
  if (bytes.substr(0, 2) == "\xFF\xFE") return DecodeUtf16(bytes, ByteOrder::kLittleEndian);
  if (bytes.substr(0, 2) == "\xFE\xFF") return DecodeUtf16(bytes, ByteOrder::kBigEndian);
  return std::nullopt;
}

DecodedText DecodeUtf8OrCp932(std::string_view bytes, const AnsiCodec& cp932) {
  Utf8Text utf8 = DecodeUtf8(bytes);
  if (!utf8.lossy) return {std::move(utf8.text), false};
  AnsiText ansi = cp932.Decode(std::string(bytes));
  return {std::move(ansi.text), ansi.lossy};
}

}  // namespace

DecodedText DecodeTextFile(std::string_view bytes, const AnsiCodec& cp932) {
  if (std::optional<DecodedText> text = DecodeByBom(bytes)) return std::move(*text);
  return DecodeUtf8OrCp932(bytes, cp932);
}

DecodedText DecodeHtmlFile(std::string_view bytes, const AnsiCodec& cp932) {
  if (std::optional<DecodedText> text = DecodeByBom(bytes)) return std::move(*text);
  if (const std::optional<Charset> charset = FindHtmlMetaCharset(bytes)) {
    return DecodeAs(*charset, bytes, cp932);
  }
  return DecodeUtf8OrCp932(bytes, cp932);
}

}  // namespace vorenta
