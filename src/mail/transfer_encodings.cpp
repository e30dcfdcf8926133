#include "mail/transfer_encodings.h"

#include <array>
#include <cstdint>

namespace vorenta {

namespace {

constexpr std::array<int8_t, 256> MakeBase64Values() {
  std::array<int8_t, 256> values{};
  for (auto& v : values) v = -1;
  constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (size_t i = 0; i < kAlphabet.size(); ++i) {
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
  }
  return values;
}

constexpr std::array<int8_t, 256> kBase64Values = MakeBase64Values();

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The bytes of a group cut short: 2 characters give 1 byte, 3 give 2; a
// single character holds too few bits for one.
void FlushPartialGroup(uint32_t bits, int count, std::string& out) {
  if (count == 2) {
    out += static_cast<char>(bits >> 4);
  } else if (count == 3) {
    out += static_cast<char>(bits >> 10);
    out += static_cast<char>(bits >> 2);
  }
}

// The length of the soft line break that starts after a '=' at text[i], or
// 0 when there is none.
size_t SoftBreakLength(std::string_view text, size_t i) {
  size_t j = i + 1;
  while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
  if (j == text.size()) return j - i;  // a '=' at the very end joins nothing
  if (text[j] == '\r') {
    ++j;
    if (j < text.size() && text[j] == '\n') ++j;
    return j - i;
  }
  if (text[j] == '\n') return j + 1 - i;
  return 0;
}

}  // namespace

std::string DecodeBase64(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3 + 2);
  uint32_t bits = 0;
  int count = 0;
  for (char c : text) {
    const int value = kBase64Values[static_cast<unsigned char>(c)];
    if (value >= 0) {
      bits = (bits << 6) | static_cast<uint32_t>(value);
      if (++count == 4) {
        out += static_cast<char>(bits >> 16);
        out += static_cast<char>(bits >> 8);
        out += static_cast<char>(bits);
        bits = 0;
        count = 0;
      }
    } else if (c == '=') {
      FlushPartialGroup(bits, count, out);
      bits = 0;
      count = 0;
    }
  }
  FlushPartialGroup(bits, count, out);
  return out;
}

std::string DecodeQuotedPrintable(std::string_view text, bool header_q) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '=') {
      if (i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
        out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
        i += 3;
        continue;
      }
      if (const size_t soft = SoftBreakLength(text, i); soft > 0) {
        i += soft;
        continue;
      }
      out += '=';
    } else if (c == '_' && header_q) {
      out += ' ';
    } else {
      out += c;
    }
    ++i;
  }
  return out;
}

}  // namespace vorenta
