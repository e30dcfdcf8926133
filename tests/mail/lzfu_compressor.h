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

// The 16-byte header of a stored value.
inline std::string Header(std::uint32_t comp_size, std::uint32_t raw_size, std::string_view type,
                          std::uint32_t crc) {
  std::string out;
  for (const std::uint32_t value : {comp_size, raw_size, 0u, crc}) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  return out.replace(8, 4, type);
}

inline std::string CompressLzfu(std::string_view raw) {
  std::array<char, 4096> dict{};
  for (size_t i = 0; i < kPreload.size(); ++i) dict[i] = kPreload[i];
  size_t write = kPreload.size();
  size_t filled = kPreload.size();
  std::string content;
  size_t control_at = 0;
  int tokens = 0;
  // A literal, or a reference when length is 2 or more.
  auto add_token = [&](char literal, size_t offset, size_t length) {
    if (tokens % 8 == 0) {
      control_at = content.size();
      content += '\0';
    }
    if (length < 2) {
      content += literal;
    } else {
      content[control_at] = static_cast<char>(content[control_at] | (1 << (tokens % 8)));
      content += static_cast<char>(offset >> 4);
      content += static_cast<char>(((offset & 0xF) << 4) | (length - 2));
    }
    ++tokens;
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
    add_token(raw[pos], best_offset, best_length);
    const size_t take = std::max<size_t>(best_length, 1);
    for (size_t i = 0; i < take; ++i) {
      dict[write] = raw[pos + i];
      write = (write + 1) % 4096;
      filled = std::min<size_t>(filled + 1, 4096);
    }
    pos += take;
  }
  add_token(0, write, 2);  // the end marker
  return Header(static_cast<std::uint32_t>(content.size() + 12),
                static_cast<std::uint32_t>(raw.size()), "LZFu", BitwiseCrc(content)) +
         content;
}

}  // namespace vorenta::testing_lzfu
