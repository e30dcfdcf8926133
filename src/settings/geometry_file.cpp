#include "settings/geometry_file.h"

#include <charconv>
#include <cmath>

namespace vorenta {

namespace {

constexpr int kSignificantDigits = 7;

// The magnitude with 7 significant digits in the shortest general form:
// positional for decimal exponents -4 to 6, else d.ddddddE+XX (as printf's
// %.7g, whatever the C runtime).
std::string Magnitude(float magnitude) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::general, kSignificantDigits);
  if (ec != std::errc()) return "0";  // cannot happen: the buffer fits any float
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace

std::string GeometryNumber(float value) {
  if (std::isnan(value)) return " NaN ";
  const bool negative = value < 0;  // false for -0
  const float magnitude = std::fabs(value);
  const std::string digits = std::isinf(magnitude) ? "Inf" : Magnitude(magnitude);
  return (negative ? "-" : " ") + digits + " ";
}

std::string WriteGeometryFile(float outer_width, float outer_height, float left, float top) {
  std::string bytes;
  for (float value : {outer_width, outer_height, left, top}) {
    bytes += GeometryNumber(value);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace vorenta
