// The geometry file, byte for byte.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "settings/geometry_file.h"

namespace vorenta {
namespace {

struct NumberCase {
  const char* rule;
  float value;
  std::string written;
};

class GeometryNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(GeometryNumbers, AreWrittenInTheFileForm) {
  EXPECT_EQ(GeometryNumber(GetParam().value), GetParam().written) << GetParam().rule;
}

const NumberCase kNumberCases[] = {
    {"whole: no decimal point", 8685, " 8685 "},
    {"zero", 0, " 0 "},
    {"negative: a minus sign instead of the space", -120, "-120 "},
    {"a minimised window's left edge", -480000, "-480000 "},
    {"fractional twips at 175 %", 8685.714f, " 8685.714 "},
    {"no trailing zeros", 8685.5f, " 8685.5 "},
    {"at most 7 significant digits", 1234.56789f, " 1234.568 "},
    {"rounded up into a whole number", 8685.99999f, " 8686 "},
    {"negative fractional", -15.25f, "-15.25 "},
    {"the largest value without an exponent", 9999999, " 9999999 "},
    {"from 1E+07 up: an exponent", 10000000, " 1E+07 "},
    {"an exponent with a mantissa", 12345678, " 1.234568E+07 "},
    {"rounding decides the form", 9999999.5f, " 1E+07 "},
    {"negative and large", -25000000, "-2.5E+07 "},
    {"the largest float", std::numeric_limits<float>::max(), " 3.402823E+38 "},
    {"a fraction keeps its leading zero", 0.5f, " 0.5 "},
    {"small but without an exponent", 0.0001f, " 0.0001 "},
    {"below 1E-04: an exponent", 0.00001f, " 1E-05 "},
    {"negative zero is zero", -0.0f, " 0 "},
    {"not a number", std::numeric_limits<float>::quiet_NaN(), " NaN "},
    {"negative not a number", -std::numeric_limits<float>::quiet_NaN(), " NaN "},
    {"infinity", std::numeric_limits<float>::infinity(), " Inf "},
    {"negative infinity", -std::numeric_limits<float>::infinity(), "-Inf "},
};
INSTANTIATE_TEST_SUITE_P(Values, GeometryNumbers, testing::ValuesIn(kNumberCases));

TEST(GeometryFile, IsFourLinesWidthHeightLeftTopEachWithCrLf) {
  EXPECT_EQ(WriteGeometryFile(8685, 6000, 1200, -90), " 8685 \r\n 6000 \r\n 1200 \r\n-90 \r\n");
}

TEST(GeometryFile, TheDesignWidthIsALineOfSixCharacters) {
  const std::string bytes = WriteGeometryFile(8685, 0, 0, 0);
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), " 8685 ");
}

// The text std::to_chars gives, the form files have been written in so far.
std::string LibraryForm(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::general, 7);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return (std::signbit(value) && value != 0 ? "-" : " ") + text + " ";
}

// Every finite float the writer may meet is written as the C++ library
// writes it and read back as the library reads it. Run in the Windows build
// too, where printf and strtof are mingw-w64's.
TEST(GeometryNumbers, AreWrittenAndReadAsTheCppLibraryDoes) {
  std::vector<float> values;
  // Rounding ties and carries at every size a window can have.
  for (int i = -20000; i <= 20000; ++i) {
    values.push_back(static_cast<float>(i) + 0.5f);
    values.push_back(static_cast<float>(i) * 1000.5f);
  }
  for (float power = 1e-6f; power < 1e9f; power *= 10) {
    for (float step : {-1.0f, 0.0f, 1.0f}) values.push_back(std::nextafter(power, power + step));
  }
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::uint32_t> bits;
  while (values.size() < 300000) {
    const float value = std::bit_cast<float>(bits(random));
    if (std::isfinite(value)) values.push_back(value);
  }
  int mismatches = 0;
  for (float value : values) {
    const std::string written = GeometryNumber(value);
    float library_read = 0;
    const std::string_view digits = std::string_view(written).substr(1, written.size() - 2);
    std::from_chars(digits.data(), digits.data() + digits.size(), library_read);
    const std::optional<float> read = ParseGeometryNumber(written);
    const bool same =
        written == LibraryForm(value) && read.has_value() && std::fabs(*read) == library_read;
    if (!same && ++mismatches <= 5) {
      ADD_FAILURE() << std::hexfloat << value << ": " << written << " against "
                    << LibraryForm(value);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace vorenta
