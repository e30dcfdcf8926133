// The geometry file's numbers: any float printed and parsed back is the
// float rounded to 7 significant digits, and prints the same again; the
// file reader on any bytes accepts only four finite, sane values.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/geometry_file.h"

using namespace vorenta;

namespace {

void CheckNumberRoundTrip(float value) {
  const std::string printed = GeometryNumber(value);
  const std::optional<float> parsed = ParseGeometryNumber(printed);
  FUZZ_CHECK(parsed.has_value());
  if (std::isnan(value)) {
    FUZZ_CHECK(std::isnan(*parsed));
    return;
  }
  FUZZ_CHECK(GeometryNumber(*parsed) == printed);
  // Rounding to 7 significant digits moves a value by at most half a unit
  // of the 7th digit; the nearest float to that is no farther away.
  const double error = std::fabs(static_cast<double>(*parsed) - static_cast<double>(value));
  FUZZ_CHECK(std::isinf(value) ? *parsed == value : error <= std::fabs(value) * 1e-6);
}

bool IsSane(float value) { return std::isfinite(value) && std::fabs(value) <= 1e7f; }

void CheckFileReader(std::string_view bytes) {
  const std::optional<GeometryValues> values = ReadGeometryFile(bytes);
  if (!values) return;
  FUZZ_CHECK(IsSane(values->outer_width) && IsSane(values->outer_height) && IsSane(values->left) &&
             IsSane(values->top));
  const std::string written =
      WriteGeometryFile(values->outer_width, values->outer_height, values->left, values->top);
  const std::optional<GeometryValues> again = ReadGeometryFile(written);
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(WriteGeometryFile(again->outer_width, again->outer_height, again->left, again->top) ==
             written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= sizeof(float)) {
    float value;
    std::memcpy(&value, data, sizeof value);
    CheckNumberRoundTrip(value);
  }
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ParseGeometryNumber(bytes);
  CheckFileReader(bytes);
  return 0;
}
