#pragma once
// A small LZFu compressor for tests and fuzzers: greedy longest match over
// the whole dictionary, quadratic, for inputs of a few kilobytes at most.
// Written apart from the decompressor (its own CRC, its own handling of
// matches that overlap the write position) so that a round trip checks both.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorenta::testing_lzfu {

inline constexpr std::string_view kPreload =
    "{\\rtf1\\ansi\\mac\\deff0\\deftab720{\\fonttbl;}{\\f0\\fnil \\froman \\fswiss \\fmodern "
    "\\fscript \\fdecor MS Sans SerifSymbolArialTimes New RomanCourier{\\colortbl\\red0\\green0"
    "\\blue0\r\n\\par \\pard\\plain\\f0\\fs20\\b\\i\\u\\tab\\tx";

// Bit by bit, reflected polynomial, initial value 0, no final inversion.
inline std::uint32_t BitwiseCrc(std::string_view bytes) {
  std::uint32_t crc = 0;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
  }
  return crc;
}

inline void AppendLe32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The stored form: header, then runs of a control byte and up to 8 tokens,
// ending with a reference to the write position.
inline std::string CompressLzfu(std::string_view raw) {
  std::array<char, 4096> dict{};
  for (size_t i = 0; i < kPreload.size(); ++i) dict[i] = kPreload[i];
  size_t write = kPreload.size();
  size_t filled = kPreload.size();
  std::string content;
  size_t control_at = 0;
  int tokens = 0;
  auto start_token = [&](bool reference) {
    if (tokens % 8 == 0) {
      control_at = content.size();
      content += '\0';
    }
    if (reference)
      content[control_at] = static_cast<char>(content[control_at] | (1 << (tokens % 8)));
    ++tokens;
  };
  auto add_reference = [&](size_t offset, size_t length) {
    start_token(true);
    const unsigned word = static_cast<unsigned>((offset << 4) | (length - 2));
    content += static_cast<char>(word >> 8);
    content += static_cast<char>(word & 0xFF);
  };

  size_t pos = 0;
  while (pos < raw.size()) {
    size_t best_length = 0, best_offset = 0;
    const size_t limit = std::min<size_t>(17, raw.size() - pos);
    // Never-written parts of the dictionary are left out of the search:
    // fewer matches for runs of NULs, far less time for short inputs.
    for (size_t offset = 0; offset < filled; ++offset) {
      if (offset == write) continue;
      const size_t distance = (offset + 4096 - write) % 4096;
      size_t length = 0;
      while (length < limit) {
        // Step `length` reads what an earlier step of this same copy wrote
        // once the read position has caught up with the write position.
        const size_t ahead = distance + length;
        const char byte = ahead >= 4096 ? raw[pos + ahead - 4096] : dict[(write + ahead) % 4096];
        if (byte != raw[pos + length]) break;
        ++length;
      }
      if (length > best_length) {
        best_length = length;
        best_offset = offset;
      }
    }
    const size_t take = best_length >= 2 ? best_length : 1;
    if (best_length >= 2) {
      add_reference(best_offset, best_length);
    } else {
      start_token(false);
      content += raw[pos];
    }
    for (size_t i = 0; i < take; ++i) {
      dict[write] = raw[pos + i];
      write = (write + 1) % 4096;
      filled = std::min<size_t>(filled + 1, 4096);
    }
    pos += take;
  }
  add_reference(write, 2);

  std::string stored;
  AppendLe32(stored, static_cast<std::uint32_t>(content.size() + 12));
  AppendLe32(stored, static_cast<std::uint32_t>(raw.size()));
  stored += "LZFu";
  AppendLe32(stored, BitwiseCrc(content));
  return stored + content;
}

}  // namespace vorenta::testing_lzfu
