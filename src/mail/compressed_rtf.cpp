#include "mail/compressed_rtf.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vorenta {

namespace {

constexpr std::uint32_t kTypeLzfu = 0x75465A4C;  // "LZFu"
constexpr std::uint32_t kTypeMela = 0x414C454D;  // "MELA"
constexpr size_t kHeaderSize = 16;
// COMPSIZE counts the content and the three header fields after it.
constexpr std::uint32_t kSizeFieldsAfterCompSize = 12;

constexpr size_t kDictionarySize = 4096;
// Every writer starts from this text in the dictionary, so references may
// point into it from the first byte on.
constexpr std::string_view kPreloadedText =
    "{\\rtf1\\ansi\\mac\\deff0\\deftab720{\\fonttbl;}{\\f0\\fnil \\froman \\fswiss \\fmodern "
    "\\fscript \\fdecor MS Sans SerifSymbolArialTimes New RomanCourier{\\colortbl\\red0\\green0"
    "\\blue0\r\n\\par \\pard\\plain\\f0\\fs20\\b\\i\\u\\tab\\tx";
static_assert(kPreloadedText.size() == 207);

std::uint32_t ReadLe32(std::string_view bytes, size_t at) {
  std::uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) {
    value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  }
  return value;
}

std::uint32_t ContentCrc(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  // Starts from 0 and is not inverted at the end, unlike the CRC-32 of zip.
  std::uint32_t crc = 0;
  for (const char byte : bytes) {
    crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
  }
  return crc;
}

std::string DecompressLzfu(std::string_view content, size_t raw_size) {
  std::array<char, kDictionarySize> dictionary{};
  std::copy(kPreloadedText.begin(), kPreloadedText.end(), dictionary.begin());
  size_t write = kPreloadedText.size();
  std::string out;
  // Eight two-byte references per control byte give at most 136 bytes out
  // for 17 in: the header's raw size alone must not size the buffer.
  out.reserve(std::min(raw_size, content.size() * 8));

  auto put = [&](char byte) {
    out += byte;
    dictionary[write] = byte;
    write = (write + 1) % kDictionarySize;
  };

  size_t pos = 0;
  while (pos < content.size()) {
    const unsigned control = static_cast<unsigned char>(content[pos++]);
    for (int bit = 0; bit < 8; ++bit) {
      if (pos >= content.size() || out.size() >= raw_size) return out;
      if ((control & (1u << bit)) == 0) {
        put(content[pos++]);
        continue;
      }
      if (content.size() - pos < 2) return out;
      const unsigned reference = (unsigned{static_cast<unsigned char>(content[pos])} << 8) |
                                 static_cast<unsigned char>(content[pos + 1]);
      pos += 2;
      const size_t offset = reference >> 4;
      // A reference to the write position itself marks the end.
      if (offset == write) return out;
      const size_t length = (reference & 0xF) + 2;
      // Byte by byte: a reference that runs into the write position reads the
      // bytes it has just written, repeating them.
      for (size_t i = 0; i < length && out.size() < raw_size; ++i) {
        put(dictionary[(offset + i) % kDictionarySize]);
      }
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> DecompressRtf(std::string_view stored) {
  if (stored.size() < kHeaderSize) return std::nullopt;
  const std::uint32_t comp_size = ReadLe32(stored, 0);
  const std::uint32_t raw_size = ReadLe32(stored, 4);
  const std::uint32_t type = ReadLe32(stored, 8);
  const std::uint32_t crc = ReadLe32(stored, 12);
  if (comp_size < kSizeFieldsAfterCompSize || raw_size > kMaxRtfRawSize) return std::nullopt;
  const size_t content_size = comp_size - kSizeFieldsAfterCompSize;
  if (content_size > stored.size() - kHeaderSize) return std::nullopt;
  // Bytes past the declared content are padding and are not read.
  const std::string_view content = stored.substr(kHeaderSize, content_size);

  if (type == kTypeMela) return std::string(content.substr(0, raw_size));
  if (type != kTypeLzfu || ContentCrc(content) != crc) return std::nullopt;
  return DecompressLzfu(content, raw_size);
}

}  // namespace vorenta
