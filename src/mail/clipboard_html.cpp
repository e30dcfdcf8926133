#include "mail/clipboard_html.h"

#include <algorithm>
#include <cstdint>

namespace vorenta {

namespace {

bool IsAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

struct Header {
  bool found = false;
  size_t end = 0;  // the first byte after the header's lines
  std::optional<size_t> start_html, end_html, start_fragment, end_fragment;
};

// A whole value of digits, zero-padded or not; -1 and anything else: absent.
std::optional<size_t> ParseOffset(std::string_view value) {
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  if (value.empty()) return std::nullopt;
  // Past any clipboard's size, and far from overflowing.
  constexpr uint64_t kTooLarge = uint64_t{1} << 48;
  uint64_t number = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<uint64_t>(c - '0');
    if (number > kTooLarge) number = kTooLarge;
  }
  return static_cast<size_t>(std::min<uint64_t>(number, SIZE_MAX));
}

Header ReadHeader(std::string_view data) {
  static constexpr std::string_view kKeys[] = {"Version",       "StartHTML",   "EndHTML",
                                               "StartFragment", "EndFragment", "StartSelection",
                                               "EndSelection",  "SourceURL"};
  Header header;
  size_t pos = 0;
  while (pos < data.size()) {
    size_t colon = pos;
    while (colon < data.size() && IsAsciiAlpha(data[colon])) ++colon;
    if (colon == pos || colon >= data.size() || data[colon] != ':') break;
    const std::string_view name = data.substr(pos, colon - pos);
    bool known = false;
    for (std::string_view key : kKeys) known = known || EqualsIgnoringCase(name, key);
    // The first line tells a clipboard header from a text that has a colon.
    if (!known && !header.found) break;
    size_t line_end = data.find_first_of("\r\n", colon);
    if (line_end == std::string_view::npos) line_end = data.size();
    const std::string_view value = data.substr(colon + 1, line_end - colon - 1);
    if (EqualsIgnoringCase(name, "StartHTML")) header.start_html = ParseOffset(value);
    if (EqualsIgnoringCase(name, "EndHTML")) header.end_html = ParseOffset(value);
    if (EqualsIgnoringCase(name, "StartFragment")) header.start_fragment = ParseOffset(value);
    if (EqualsIgnoringCase(name, "EndFragment")) header.end_fragment = ParseOffset(value);
    header.found = true;
    pos = line_end;
    if (pos < data.size() && data[pos] == '\r') ++pos;
    if (pos < data.size() && data[pos] == '\n') ++pos;
    header.end = pos;
  }
  return header;
}

// The length of a "<!-- word -->" comment at data[at], 0 when there is none.
size_t MarkerLength(std::string_view data, size_t at, std::string_view word) {
  if (data.substr(at, 4) != "<!--") return 0;
  size_t i = at + 4;
  while (i < data.size() && IsBlank(data[i])) ++i;
  if (!EqualsIgnoringCase(data.substr(i, word.size()), word)) return 0;
  i += word.size();
  while (i < data.size() && IsBlank(data[i])) ++i;
  if (data.substr(i, 3) != "-->") return 0;
  return i + 3 - at;
}

// Whether a "<!-- word -->" comment ends right at data[end].
bool MarkerEndsAt(std::string_view data, size_t end, std::string_view word) {
  if (end < 3 || data.substr(end - 3, 3) != "-->") return false;
  size_t i = end - 3;
  while (i > 0 && IsBlank(data[i - 1])) --i;
  if (i < word.size() + 4 || !EqualsIgnoringCase(data.substr(i - word.size(), word.size()), word)) {
    return false;
  }
  i -= word.size();
  while (i > 0 && IsBlank(data[i - 1])) --i;
  return i >= 4 && data.substr(i - 4, 4) == "<!--";
}

// The part between the first StartFragment comment at or after from and the
// last EndFragment comment after it.
std::optional<std::string_view> BetweenMarkers(std::string_view data, size_t from) {
  std::optional<size_t> start;
  std::optional<size_t> end;
  for (size_t at = data.find("<!--", from); at != std::string_view::npos;
       at = data.find("<!--", at + 1)) {
    if (!start) {
      if (const size_t length = MarkerLength(data, at, "StartFragment")) start = at + length;
    } else if (at >= *start && MarkerLength(data, at, "EndFragment") > 0) {
      end = at;
    }
  }
  if (!start || !end) return std::nullopt;
  return data.substr(*start, *end - *start);
}

}  // namespace

std::optional<std::string_view> ClipboardHtmlFragment(std::string_view data) {
  data = data.substr(0, data.find('\0'));
  const Header header = ReadHeader(data);
  if (!header.found) return std::nullopt;
  const auto within = [&](std::optional<size_t> start, std::optional<size_t> end) {
    return start && end && header.end <= *start && *start <= *end && *end <= data.size();
  };
  const bool fragment_within = within(header.start_fragment, header.end_fragment);
  if (fragment_within && MarkerEndsAt(data, *header.start_fragment, "StartFragment") &&
      MarkerLength(data, *header.end_fragment, "EndFragment") > 0) {
    return data.substr(*header.start_fragment, *header.end_fragment - *header.start_fragment);
  }
  if (const auto marked = BetweenMarkers(data, header.end)) return marked;
  if (fragment_within) {
    return data.substr(*header.start_fragment, *header.end_fragment - *header.start_fragment);
  }
  if (within(header.start_html, header.end_html)) {
    return data.substr(*header.start_html, *header.end_html - *header.start_html);
  }
  return data.substr(header.end);
}

}  // namespace vorenta
