#pragma once
// The geometry file SMdata2.dat: four lines, outer width, outer
// height, left and top of the main window in twips.
//
// Number format: a space for a value that is not negative, a minus sign for
// a negative one; the value rounded to 7 significant digits, without
// trailing zeros and without a decimal point when it is whole; one space;
// CR LF. So 8685 is " 8685 ", 8685.714 is " 8685.714 ", -480000 is
// "-480000 ".
//
// Decided where the format is otherwise silent:
// - From 1E+07 up, and below 1E-04, the value is written with an exponent,
//   in the form older files of this kind have: " 1E+07 ", " 1.234568E+07 ", " 1E-05 ". The
//   switch is made after rounding, so 9999999.5 becomes " 1E+07 ".
// - A value between -1 and 1 keeps its leading zero: " 0.5 ".
// - Negative zero is written as zero: " 0 ".
// - Not-a-number and the infinities cannot come from a window; should they
//   come, they are written as " NaN ", " Inf " and "-Inf ".
//
// Reading: the first four lines (ended by CR LF, CR or LF) each hold one
// number in any form the writer makes, with spaces or tabs around it;
// lines after them are ignored. The file is refused as a whole when a line
// is missing or is not a number, or a value is not finite or lies beyond
// 1E+07 twips either way: no window is that large, so such a file is
// damaged.

#include <optional>
#include <string>
#include <string_view>

namespace vorenta {

struct GeometryValues {
  float outer_width = 0;
  float outer_height = 0;
  float left = 0;
  float top = 0;
  bool operator==(const GeometryValues&) const = default;
};

// One value as the file holds it, without the CR LF: " 8685 ".
std::string GeometryNumber(float value);

std::string WriteGeometryFile(float outer_width, float outer_height, float left, float top);

// One value as GeometryNumber writes it, spaces and tabs around it allowed;
// NaN and Inf are read as such. nullopt for anything else, and for a value
// that no float holds.
std::optional<float> ParseGeometryNumber(std::string_view text);

// The four values of a geometry file; nullopt when the file is refused.
std::optional<GeometryValues> ReadGeometryFile(std::string_view bytes);

}  // namespace vorenta
