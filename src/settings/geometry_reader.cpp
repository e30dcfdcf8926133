#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "settings/ascii_text.h"
#include "settings/geometry_file.h"

namespace vorenta {

namespace {

constexpr float kLargestTwips = 1e7f;

// Digits with a decimal point and an exponent where they may stand; strtof
// then decides. Hexadecimal forms, a leading '+' and spaces never get there.
bool LooksDecimal(std::string_view text) {
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.')) {
    return false;
  }
  return text.find_first_not_of("0123456789.eE+-") == std::string_view::npos;
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
  // std::from_chars would add 30 KB of tables to Vorenta.exe; strtof, in
  // the C locale the program never leaves, rounds the same way.
  text = TrimBlanks(text);
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  const float sign = negative ? -1.0f : 1.0f;
  if (EqualsIgnoringAsciiCase(text, "nan")) return std::numeric_limits<float>::quiet_NaN();
  if (EqualsIgnoringAsciiCase(text, "inf") || EqualsIgnoringAsciiCase(text, "infinity")) {
    return sign * std::numeric_limits<float>::infinity();
  }
  if (!LooksDecimal(text)) return std::nullopt;
  const std::string digits(text);
  char* stop = nullptr;
  const float value = std::strtof(digits.c_str(), &stop);
  // Beyond the largest float strtof gives infinity: no float holds that.
  if (stop != digits.c_str() + digits.size() || std::isinf(value)) return std::nullopt;
  return sign * value;
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
