#include "settings/keyword_file.h"

#include "core/utf16_bytes.h"
#include "core/utf8.h"

namespace vorenta {

namespace {

// Where the text after the marker line begins; npos when the text does not
// begin with the marker line.
size_t MarkedTextStart(std::u16string_view text) {
  if (!text.starts_with(kKeywordFileMarker)) return std::u16string_view::npos;
  size_t pos = kKeywordFileMarker.size();
  if (pos == text.size()) return pos;
  if (text[pos] == u'\n') return pos + 1;
  if (text[pos] != u'\r') return std::u16string_view::npos;
  ++pos;
  if (pos < text.size() && text[pos] == u'\n') ++pos;
  return pos;
}

std::u16string Lines(const std::vector<std::u16string>& keywords,
                     std::u16string (*line)(const std::u16string&)) {
  std::u16string text;
  for (const auto& keyword : keywords) {
    text += line(keyword);
    text += u"\r\n";
  }
  return text;
}

std::string WritePlainForm(const std::vector<std::u16string>& keywords, const AnsiCodec& codec) {
  const std::u16string text = Lines(keywords, KeywordLine);
  if (text.empty()) return {};
  AnsiBytes ansi = codec.Encode(text);
  if (!ansi.lossy) return std::move(ansi.bytes);
  return std::string(kUtf8Bom) + EncodeUtf8(text);
}

}  // namespace

std::optional<std::vector<std::u16string>> ReadMarkedKeywordText(std::u16string_view text) {
  const size_t marked = MarkedTextStart(text);
  if (marked == std::u16string_view::npos) return std::nullopt;
  return ReadMarkedKeywordFields(text.substr(marked));
}

std::string WriteMarkedKeywordFile(const std::vector<std::u16string>& keywords) {
  std::u16string text(kKeywordFileMarker);
  text += u"\r\n";
  text += Lines(keywords, MarkedKeywordLine);
  return std::string(kUtf8Bom) + EncodeUtf8(text);
}

KeywordFileContent ReadKeywordFile(const std::string& bytes, const AnsiCodec& codec) {
  const std::string_view view(bytes);
  KeywordFileContent content;
  if (view.starts_with(kUtf16LeBom) || view.starts_with(kUtf16BeBom)) {
    const Utf16Text decoded =
        DecodeUtf16(view.substr(kUtf16LeBom.size()), view.starts_with(kUtf16BeBom));
    content.keywords = ReadKeywordFields(decoded.text);
    content.lossy = decoded.lossy;
    return content;
  }
  if (!view.starts_with(kUtf8Bom)) {
    AnsiText decoded = codec.Decode(bytes);
    content.keywords = ReadKeywordFields(decoded.text);
    content.lossy = decoded.lossy;
    return content;
  }
  const Utf8Text decoded = DecodeUtf8(view.substr(kUtf8Bom.size()));
  std::optional<std::vector<std::u16string>> marked = ReadMarkedKeywordText(decoded.text);
  content.keywords = marked ? std::move(*marked) : ReadKeywordFields(decoded.text);
  content.lossy = decoded.lossy;
  return content;
}

std::string WriteKeywordFile(const std::vector<std::u16string>& keywords, const AnsiCodec& codec) {
  std::string plain = WritePlainForm(keywords, codec);
  const KeywordFileContent back = ReadKeywordFile(plain, codec);
  if (!back.lossy && back.keywords == keywords) return plain;
  return WriteMarkedKeywordFile(keywords);
}

}  // namespace vorenta
