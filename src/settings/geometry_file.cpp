#include "settings/geometry_file.h"

#include <cmath>
#include <cstdio>

namespace vorenta {

namespace {

constexpr int kSignificantDigits = 7;

// The magnitude with 7 significant digits in the shortest general form:
// positional for decimal exponents -4 to 6, else d.ddddddE+XX. The C++
// library's std::to_chars would add 170 KB of tables to Vorenta.exe; the
// printf that mingw-w64 links for C++ (its own, not msvcrt's, which writes
// three exponent digits) rounds correctly and writes the same text.
std::string Magnitude(float magnitude) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*G", kSignificantDigits,
                                   static_cast<double>(magnitude));
  if (length <= 0 || length >= static_cast<int>(sizeof buffer)) return "0";  // cannot happen
  return std::string(buffer, static_cast<size_t>(length));
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
