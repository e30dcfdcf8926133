#pragma once
// Turns the fuzzer's bytes into the values the targets need. Text is built
// from an alphabet of the characters the formats care about (delimiters,
// quotes, code page 932 characters, characters it cannot hold, surrogates,
// the keyword file's marker), with any raw UTF-16 unit mixed in, so that
// short inputs reach the interesting cases.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorenta::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }

  // 0 once the bytes are used up.
  uint8_t Byte() { return empty() ? 0 : data_[pos_++]; }

  int32_t Int();

  // The remaining bytes as UTF-16LE code units.
  std::u16string RawUnits();

  // Up to max_pieces pieces from the alphabet or raw units.
  std::u16string Text(size_t max_pieces);

  // Keywords until the bytes run out, each a length byte and its pieces.
  std::vector<std::u16string> Keywords(size_t max_keywords);

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace vorenta::fuzz
