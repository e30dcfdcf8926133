#include "settings/keyword_import.h"

#include <optional>
#include <unordered_set>

#include "core/utf16_bytes.h"
#include "core/utf8.h"
#include "settings/keyword_file.h"
#include "settings/settings_store.h"

namespace vorenta {

namespace {

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

bool IsKeywordFileName(std::u16string_view path) {
  const size_t slash = path.find_last_of(u"\\/");
  const std::u16string_view name =
      slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  const std::u16string_view keyword_file(kKeywordFileName);
  if (name.size() != keyword_file.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (LowerAscii(name[i]) != LowerAscii(keyword_file[i])) return false;
  }
  return true;
}

struct DecodedText {
  std::u16string text;
  bool lossy = false;
};

DecodedText DecodeText(std::string_view bytes, const AnsiCodec& cp932) {
  if (bytes.starts_with(kUtf8Bom)) {
    Utf8Text utf8 = DecodeUtf8(bytes.substr(kUtf8Bom.size()));
    return {std::move(utf8.text), utf8.lossy};
  }
  if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
    Utf16Text utf16 = DecodeUtf16(bytes.substr(kUtf16LeBom.size()), bytes.starts_with(kUtf16BeBom));
    return {std::move(utf16.text), utf16.lossy};
  }
  Utf8Text utf8 = DecodeUtf8(bytes);
  if (!utf8.lossy) return {std::move(utf8.text), false};
  AnsiText ansi = cp932.Decode(std::string(bytes));
  return {std::move(ansi.text), ansi.lossy};
}

std::vector<std::u16string> NonEmptyLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > start) lines.emplace_back(text.substr(start, end - start));
    start = end + (text.substr(end).starts_with(u"\r\n") ? 2 : 1);
  }
  return lines;
}

}  // namespace

KeywordImport ReadKeywordImport(std::u16string_view file_name, std::string_view bytes,
                                const AnsiCodec& cp932) {
  if (IsKeywordFileName(file_name)) {
    KeywordFileContent content = ReadKeywordFile(std::string(bytes), cp932);
    if (content.lossy) return {};
    return {true, std::move(content.keywords)};
  }
  const DecodedText decoded = DecodeText(bytes, cp932);
  if (decoded.lossy) return {};
  if (std::optional<std::vector<std::u16string>> marked = ReadMarkedKeywordText(decoded.text)) {
    return {true, std::move(*marked)};
  }
  if (decoded.text.find(u'\0') != std::u16string::npos) return {};
  return {true, NonEmptyLines(decoded.text)};
}

std::string WriteKeywordExport(std::u16string_view file_name,
                               const std::vector<std::u16string>& keywords,
                               const AnsiCodec& cp932) {
  std::u16string text;
  for (const std::u16string& keyword : keywords) {
    text += keyword;
    text += u"\r\n";
  }
  std::string plain = std::string(kUtf8Bom) + EncodeUtf8(text);
  const KeywordImport back = ReadKeywordImport(file_name, plain, cp932);
  if (back.readable && back.keywords == keywords) return plain;
  return WriteMarkedKeywordFile(keywords);
}

std::vector<std::u16string> KeywordsToAdd(const std::vector<std::u16string>& list,
                                          const std::vector<std::u16string>& incoming) {
  std::unordered_set<std::u16string> held(list.begin(), list.end());
  std::vector<std::u16string> added;
  for (const std::u16string& keyword : incoming) {
    if (held.insert(keyword).second) added.push_back(keyword);
  }
  return added;
}

}  // namespace vorenta
