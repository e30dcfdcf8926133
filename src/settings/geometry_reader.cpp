#include <charconv>
#include <cmath>
#include <system_error>

#include "settings/geometry_file.h"

namespace vorenta {

namespace {

constexpr float kLargestTwips = 1e7f;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Cuts the next line off the bytes, without its line end; nullopt at the
// end of the bytes.
std::optional<std::string_view> NextLine(std::string_view& bytes) {
  if (bytes.empty()) return std::nullopt;
  const size_t end = bytes.find_first_of("\r\n");
  const std::string_view line = bytes.substr(0, end);
  if (end == std::string_view::npos) {
    bytes = {};
    return line;
  }
  const size_t next = bytes.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
  bytes.remove_prefix(next);
  return line;
}

std::optional<float> ReadValue(std::string_view& bytes) {
  const std::optional<std::string_view> line = NextLine(bytes);
  if (!line) return std::nullopt;
  const std::optional<float> value = ParseGeometryNumber(*line);
  if (!value || !std::isfinite(*value) || std::fabs(*value) > kLargestTwips) return std::nullopt;
  return value;
}

}  // namespace

std::optional<float> ParseGeometryNumber(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  float value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<GeometryValues> ReadGeometryFile(std::string_view bytes) {
  GeometryValues values;
  for (float* field : {&values.outer_width, &values.outer_height, &values.left, &values.top}) {
    const std::optional<float> value = ReadValue(bytes);
    if (!value) return std::nullopt;
    *field = *value;
  }
  return values;
}

}  // namespace vorenta
