// Reading the geometry file back: every number form the writer makes, and
// the files that are refused.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "settings/geometry_file.h"

namespace vorenta {
namespace {

struct ParseCase {
  std::string text;
  std::optional<float> value;
};

class GeometryNumberParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(GeometryNumberParsing, ReadsTheWrittenFormsAndNothingElse) {
  EXPECT_EQ(ParseGeometryNumber(GetParam().text), GetParam().value);
}

const ParseCase kParseCases[] = {
    {" 8685 ", 8685.0f},
    {"-120 ", -120.0f},
    {" 8685.714 ", 8685.714f},
    {" 0.0001 ", 0.0001f},
    {" 1E+07 ", 1e7f},
    {" 1.234568E+07 ", 1.234568e7f},
    {" 1E-05 ", 1e-5f},
    {"-2.5E+07 ", -2.5e7f},
    {" 3.402823E+38 ", 3.402823e38f},
    {" 0 ", 0.0f},
    {"8685", 8685.0f},
    {"\t7\t", 7.0f},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"abc", std::nullopt},
    {" 8685 x", std::nullopt},
    {" 86 85 ", std::nullopt},
    {"1,5", std::nullopt},
    {"+5", std::nullopt},
    {"0x10", std::nullopt},
    {" 1E+39 ", std::nullopt},
    {"- 5", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Texts, GeometryNumberParsing, testing::ValuesIn(kParseCases));

TEST(GeometryNumberParsing, ReadsNotANumberAndTheInfinities) {
  EXPECT_TRUE(std::isnan(ParseGeometryNumber(" NaN ").value_or(0)));
  EXPECT_EQ(ParseGeometryNumber(" Inf "), std::numeric_limits<float>::infinity());
  EXPECT_EQ(ParseGeometryNumber("-Inf "), -std::numeric_limits<float>::infinity());
}

TEST(GeometryNumberParsing, PrintParsePrintGivesTheSameText) {
  const float values[] = {8685.714f,
                          1234.56789f,
                          9999999.5f,
                          12345678.0f,
                          0.1f,
                          1.0f / 3,
                          -2.0f / 3 * 1e-5f,
                          8589973000.0f,
                          std::numeric_limits<float>::max(),
                          std::numeric_limits<float>::lowest(),
                          std::numeric_limits<float>::min(),
                          std::numeric_limits<float>::denorm_min(),
                          -0.0f};
  for (float value : values) {
    const std::string printed = GeometryNumber(value);
    SCOPED_TRACE(printed);
    const std::optional<float> parsed = ParseGeometryNumber(printed);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(GeometryNumber(*parsed), printed);
    EXPECT_LE(std::fabs(static_cast<double>(*parsed) - value), std::fabs(value) * 1e-6);
  }
}

struct FileCase {
  const char* rule;
  std::string bytes;
  std::optional<GeometryValues> values;
};

class GeometryFileReading : public testing::TestWithParam<FileCase> {};

TEST_P(GeometryFileReading, GivesTheFourValuesOrRefusesTheFile) {
  EXPECT_EQ(ReadGeometryFile(GetParam().bytes), GetParam().values) << GetParam().rule;
}

const FileCase kFileCases[] = {
    {"as written", WriteGeometryFile(8685, 6000, 1200, -90), GeometryValues{8685, 6000, 1200, -90}},
    {"fractions and the edges of the range", " 8685.714 \r\n 1E+07 \r\n-1E+07 \r\n 0 \r\n",
     GeometryValues{8685.714f, 1e7f, -1e7f, 0}},
    {"LF or CR alone ends a line", " 1 \n 2 \r 3 \r\n 4", GeometryValues{1, 2, 3, 4}},
    {"lines after the fourth are ignored", " 1 \r\n 2 \r\n 3 \r\n 4 \r\nextra\r\n",
     GeometryValues{1, 2, 3, 4}},
    {"an empty file", "", std::nullopt},
    {"three lines", " 1 \r\n 2 \r\n 3 \r\n", std::nullopt},
    {"a blank line among them", " 1 \r\n\r\n 2 \r\n 3 \r\n 4 \r\n", std::nullopt},
    {"a word", " 1 \r\n 2 \r\nwide\r\n 4 \r\n", std::nullopt},
    {"not a number", " NaN \r\n 2 \r\n 3 \r\n 4 \r\n", std::nullopt},
    {"infinity", " 1 \r\n Inf \r\n 3 \r\n 4 \r\n", std::nullopt},
    {"beyond 1E+07", " 1 \r\n 2 \r\n 1.000001E+07 \r\n 4 \r\n", std::nullopt},
    {"below -1E+07", " 1 \r\n 2 \r\n 3 \r\n-2.5E+07 \r\n", std::nullopt},
    {"two numbers on a line", " 1  2 \r\n 3 \r\n 4 \r\n 5 \r\n", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Files, GeometryFileReading, testing::ValuesIn(kFileCases));

}  // namespace
}  // namespace vorenta
