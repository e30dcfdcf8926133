#include "app/logic/instance_key.h"

#include <cstdint>

namespace vorenta {

namespace {

constexpr char16_t kPrefix[] = u"Local\\Vorenta-";
// Object names may be MAX_PATH (260) characters long; the prefix is counted.
constexpr size_t kMaxNameLength = 250;
constexpr size_t kKeptTail = 200;

std::uint64_t Fnv1a64(const std::u16string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char16_t c : text) {
    for (int shift = 0; shift < 16; shift += 8) {
      hash ^= static_cast<std::uint8_t>(c >> shift);
      hash *= 1099511628211ull;
    }
  }
  return hash;
}

std::u16string Hex(std::uint64_t value) {
  std::u16string digits(16, u'0');
  for (int i = 15; i >= 0; --i, value >>= 4) digits[i] = u"0123456789abcdef"[value & 0xF];
  return digits;
}

}  // namespace

std::u16string InstanceMutexName(const std::u16string& folder_key) {
  std::u16string escaped = folder_key;
  for (char16_t& c : escaped) {
    if (c == u'\\') c = u'/';
  }
  const std::u16string prefix = kPrefix;
  if (prefix.size() + escaped.size() <= kMaxNameLength) return prefix + escaped;
  return prefix + Hex(Fnv1a64(folder_key)) + u"-" + escaped.substr(escaped.size() - kKeptTail);
}

}  // namespace vorenta
