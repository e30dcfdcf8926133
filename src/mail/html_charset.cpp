#include "mail/html_charset.h"

#include "mail/header_block.h"

namespace vorenta {

namespace {

constexpr size_t kPrescanBytes = 4096;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

struct Attribute {
  std::string_view name;
  std::string_view value;
};

// Reads one attribute of a tag at text[pos]; false at the tag's end.
bool ReadAttribute(std::string_view text, size_t& pos, Attribute& attribute) {
  while (pos < text.size() && (IsSpace(text[pos]) || text[pos] == '/')) ++pos;
  if (pos >= text.size() || text[pos] == '>') return false;
  const size_t name_start = pos;
  while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '=' && text[pos] != '>' &&
         (text[pos] != '/' || pos == name_start)) {
    ++pos;
  }
  attribute.name = text.substr(name_start, pos - name_start);
  attribute.value = {};
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  if (pos >= text.size() || text[pos] != '=') return true;
  ++pos;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
    const char quote = text[pos++];
    const size_t end = text.find(quote, pos);
    const size_t value_end = end == std::string_view::npos ? text.size() : end;
    attribute.value = text.substr(pos, value_end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    return true;
  }
  const size_t value_start = pos;
  while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '>') ++pos;
  attribute.value = text.substr(value_start, pos - value_start);
  return true;
}

// The label after "charset=" in a content attribute, as browsers find it.
std::optional<std::string_view> CharsetInContent(std::string_view content) {
  for (size_t pos = 0; pos + 7 <= content.size(); ++pos) {
    if (!StartsWithIgnoringCase(content.substr(pos), "charset")) continue;
    size_t i = pos + 7;
    while (i < content.size() && IsSpace(content[i])) ++i;
    if (i >= content.size() || content[i] != '=') continue;
    ++i;
    while (i < content.size() && IsSpace(content[i])) ++i;
    if (i < content.size() && (content[i] == '"' || content[i] == '\'')) {
      const size_t end = content.find(content[i], i + 1);
      if (end == std::string_view::npos) return std::nullopt;
      return content.substr(i + 1, end - i - 1);
    }
    size_t end = i;
    while (end < content.size() && !IsSpace(content[end]) && content[end] != ';') ++end;
    return content.substr(i, end - i);
  }
  return std::nullopt;
}

std::optional<Charset> CharsetOfMetaTag(std::string_view text, size_t& pos) {
  std::optional<std::string_view> label;
  bool content_type = false;
  std::optional<std::string_view> content;
  Attribute attribute;
  while (ReadAttribute(text, pos, attribute)) {
    if (EqualsIgnoringAsciiCase(attribute.name, "charset")) {
      if (!label) label = attribute.value;
    } else if (EqualsIgnoringAsciiCase(attribute.name, "http-equiv")) {
      content_type = EqualsIgnoringAsciiCase(attribute.value, "content-type");
    } else if (EqualsIgnoringAsciiCase(attribute.name, "content")) {
      content = attribute.value;
    }
  }
  if (!label && content_type && content) label = CharsetInContent(*content);
  if (!label) return std::nullopt;
  const std::optional<Charset> charset = CharsetFromLabel(*label);
  if (charset == Charset::kUtf16 || charset == Charset::kUtf16Le || charset == Charset::kUtf16Be) {
    return Charset::kUtf8;
  }
  return charset;
}

}  // namespace

std::optional<Charset> FindHtmlMetaCharset(std::string_view bytes) {
  const std::string_view text = bytes.substr(0, kPrescanBytes);
  size_t pos = 0;
  while ((pos = text.find('<', pos)) != std::string_view::npos) {
    const std::string_view rest = text.substr(pos);
    if (rest.substr(0, 4) == "<!--") {
      const size_t end = text.find("-->", pos + 4);
      if (end == std::string_view::npos) return std::nullopt;
      pos = end + 3;
      continue;
    }
    if (StartsWithIgnoringCase(rest, "<meta") && rest.size() > 5 &&
        (IsSpace(rest[5]) || rest[5] == '/')) {
      pos += 5;
      if (const std::optional<Charset> charset = CharsetOfMetaTag(text, pos)) return charset;
      continue;
    }
    if (rest.size() > 1 && IsLetter(rest[1])) {
      // Another tag: its attributes are read so that a quoted '<' in them
      // starts nothing.
      pos += 1;
      while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '>') ++pos;
      Attribute attribute;
      while (ReadAttribute(text, pos, attribute)) {
      }
      continue;
    }
    ++pos;
  }
  return std::nullopt;
}

}  // namespace vorenta
