#include "settings/options_file.h"

#include <optional>
#include <vector>

#include "core/utf8.h"
#include "settings/ascii_text.h"

namespace vorenta {

namespace {

constexpr std::string_view kSection = "[Vorenta]";
constexpr std::string_view kLineEnd = "\r\n";

struct OptionKey {
  std::string_view name;
  bool Options::*field;
  // Keys that came later are written only once they differ from their
  // default (or the file has them already), so that a file says what it said
  // before for a user who never touched them.
  bool written_at_default = false;
};

constexpr OptionKey kKeys[] = {
    {"FuzzySearch", &Options::fuzzy_search, true},
    {"AlwaysOnTop", &Options::always_on_top, true},
    {"RememberPlacement", &Options::remember_placement, true},
    {"HtmlLinks", &Options::html_links},
    {"DefaultBrowser", &Options::default_browser},
};

std::optional<bool> ParseFlag(std::string_view value) {
  for (std::string_view yes : {"1", "true", "yes", "on"}) {
    if (EqualsIgnoringAsciiCase(value, yes)) return true;
  }
  for (std::string_view no : {"0", "false", "no", "off"}) {
    if (EqualsIgnoringAsciiCase(value, no)) return false;
  }
  return std::nullopt;
}

// Lines without their line ends (CR LF, LF or CR).
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  return lines;
}

// The key this line sets, if it is one of ours.
const OptionKey* KeyOf(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return nullptr;
  const std::string_view name = TrimBlanks(line.substr(0, equals));
  for (const OptionKey& key : kKeys) {
    if (EqualsIgnoringAsciiCase(name, key.name)) return &key;
  }
  return nullptr;
}

std::string_view WithoutBom(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
  return bytes;
}

std::string KeyLine(const OptionKey& key, const Options& options) {
  return std::string(key.name) + "=" + (options.*key.field ? "1" : "0");
}

}  // namespace

Options ReadOptionsFile(std::string_view bytes) {
  Options options;
  for (std::string_view line : SplitLines(WithoutBom(bytes))) {
    const OptionKey* key = KeyOf(line);
    if (!key) continue;
    if (const auto flag = ParseFlag(TrimBlanks(line.substr(line.find('=') + 1)))) {
      options.*key->field = *flag;
    }
  }
  return options;
}

std::string WriteOptionsFile(const Options& options, std::string_view previous) {
  const bool had_bom = previous.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  std::vector<std::string_view> lines = SplitLines(WithoutBom(previous));
  std::string out(had_bom ? kUtf8Bom : "");
  bool written[std::size(kKeys)] = {};
  bool has_section = false;
  for (std::string_view line : lines) {
    has_section |= TrimBlanks(line) == kSection;
    if (const OptionKey* key = KeyOf(line)) {
      const size_t index = static_cast<size_t>(key - kKeys);
      // A key given twice keeps only its first line, which now holds the value.
      if (written[index]) continue;
      written[index] = true;
      out += KeyLine(*key, options);
    } else {
      out += line;
    }
    out += kLineEnd;
  }
  if (!has_section && lines.empty()) {
    out += kSection;
    out += kLineEnd;
  }
  const Options defaults;
  for (size_t i = 0; i < std::size(kKeys); ++i) {
    if (written[i]) continue;
    const bool at_default = options.*kKeys[i].field == defaults.*kKeys[i].field;
    if (at_default && !kKeys[i].written_at_default) continue;
    out += KeyLine(kKeys[i], options);
    out += kLineEnd;
  }
  return out;
}

}  // namespace vorenta
