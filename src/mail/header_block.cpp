#include "mail/header_block.h"

#include <algorithm>

namespace vorenta {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

struct Line {
  std::string_view text;  // without its line break
  size_t next;            // where the next line starts
};

Line LineAt(std::string_view bytes, size_t pos) {
  size_t end = pos;
  while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
  size_t next = end;
  if (next < bytes.size() && bytes[next] == '\r') ++next;
  if (next < bytes.size() && bytes[next] == '\n') ++next;
  return {bytes.substr(pos, end - pos), next};
}

bool IsFieldNameChar(char c) { return c >= 0x21 && c <= 0x7E && c != ':'; }

// The field name of a "Name: value" line, white space before the colon
// allowed; nullopt when the line is no field.
std::optional<std::string_view> FieldName(std::string_view line) {
  const size_t colon = line.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view name = line.substr(0, colon);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  if (name.empty() || !std::all_of(name.begin(), name.end(), IsFieldNameChar)) return std::nullopt;
  return name;
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

HeaderBlock ReadHeaderBlock(std::string_view bytes) {
  HeaderBlock block;
  size_t pos = 0;
  if (bytes.substr(0, 5) == "From ") pos = LineAt(bytes, 0).next;
  while (pos < bytes.size()) {
    const Line line = LineAt(bytes, pos);
    if (line.text.empty()) {
      block.body = bytes.substr(line.next);
      return block;
    }
    const char first = line.text.front();
    if ((first == ' ' || first == '\t') && !block.fields.empty()) {
      std::string_view& value = block.fields.back().value;
      value = std::string_view(value.data(), bytes.data() + pos + line.text.size() - value.data());
      pos = line.next;
      continue;
    }
    const std::optional<std::string_view> name = FieldName(line.text);
    if (!name) {
      block.body = bytes.substr(pos);
      return block;
    }
    const size_t colon = line.text.find(':');
    block.fields.push_back({*name, line.text.substr(colon + 1)});
    pos = line.next;
  }
  block.body = bytes.substr(bytes.size());
  return block;
}

HeaderBlock ReadMailHeaderBlock(std::string_view bytes) {
  HeaderBlock block = ReadHeaderBlock(bytes);
  constexpr std::string_view kMailFields[] = {
      "from",       "to",           "cc",           "subject",  "date",
      "message-id", "mime-version", "content-type", "received", "return-path",
      "sender",     "reply-to",     "delivered-to",
  };
  const bool is_mail = std::any_of(block.fields.begin(), block.fields.end(), [&](const auto& f) {
    return std::any_of(std::begin(kMailFields), std::end(kMailFields), [&](std::string_view known) {
      return EqualsIgnoringAsciiCase(f.name, known);
    });
  });
  if (!is_mail) return {{}, bytes};
  return block;
}

std::optional<std::string_view> FindField(const HeaderBlock& block, std::string_view name) {
  for (const HeaderField& field : block.fields) {
    if (EqualsIgnoringAsciiCase(field.name, name)) return field.value;
  }
  return std::nullopt;
}

}  // namespace vorenta
