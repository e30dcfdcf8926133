#include "mail/jis_cp932.h"

#include <array>

namespace vorenta {

namespace {

// The JIS codes code page 932 holds, as rows and cells 1-94: JIS X 0208
// with its gaps, the NEC row 13 and the NEC-selected IBM rows 89-92.
struct CellRange {
  unsigned char first_row, last_row, first_cell, last_cell;
};
constexpr CellRange kHeldCells[] = {
    {1, 1, 1, 94},   {2, 2, 1, 14},    {2, 2, 26, 33},  {2, 2, 42, 48},   {2, 2, 60, 74},
    {2, 2, 82, 89},  {2, 2, 94, 94},   {3, 3, 16, 25},  {3, 3, 33, 58},   {3, 3, 65, 90},
    {4, 4, 1, 83},   {5, 5, 1, 86},    {6, 6, 1, 24},   {6, 6, 33, 56},   {7, 7, 1, 33},
    {7, 7, 49, 81},  {8, 8, 1, 32},    {13, 13, 1, 30}, {13, 13, 32, 54}, {13, 13, 63, 92},
    {16, 46, 1, 94}, {47, 47, 1, 51},  {48, 83, 1, 94}, {84, 84, 1, 6},   {89, 91, 1, 94},
    {92, 92, 1, 78}, {92, 92, 81, 94},
};

using HeldTable = std::array<bool, 94 * 94>;

constexpr HeldTable MakeHeldTable() {
  HeldTable held{};
  for (const CellRange& range : kHeldCells) {
    for (int row = range.first_row; row <= range.last_row; ++row) {
      for (int cell = range.first_cell; cell <= range.last_cell; ++cell) {
        held[(row - 1) * 94 + (cell - 1)] = true;
      }
    }
  }
  return held;
}

}  // namespace

namespace jis_detail {
const HeldTable kCp932HeldCodes = MakeHeldTable();
}  // namespace jis_detail

Cp932Pair JisCodeToCp932(unsigned char row, unsigned char cell) {
  const int lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
  int trail;
  if (row & 1) {
    trail = cell + (cell <= 0x5F ? 0x1F : 0x20);
  } else {
    trail = cell + 0x7E;
  }
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

namespace jis_detail {

void TextWriter::DecodeOnItsOwn(char lead, char trail) {
  const AnsiText one = codec_->Decode(std::string{lead, trail});
  out_.text += one.text;
  out_.lossy |= one.lossy;
}

}  // namespace jis_detail

}  // namespace vorenta
