#include "mail/html_references.h"

#include "mail/html_reference_names.h"

namespace vorenta::html {

namespace {

bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsAsciiAlpha(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsAsciiAlnum(char16_t c) { return IsAsciiDigit(c) || IsAsciiAlpha(c); }

int HexValue(char16_t c) {
  if (IsAsciiDigit(c)) return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// What browsers read 0x80 to 0x9F as: Windows-1252, whose holes stay as
// they are.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kPastUnicode = 0x110000;

void SetCodePoint(DecodedReference& out, char32_t c) {
  if (c == 0 || c >= kPastUnicode || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  if (c >= 0x80 && c <= 0x9F) c = kWindows1252[c - 0x80];
  if (c < 0x10000) {
    out.units[0] = static_cast<char16_t>(c);
    out.unit_count = 1;
  } else {
    c -= 0x10000;
    out.units[0] = static_cast<char16_t>(0xD800 + (c >> 10));
    out.units[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    out.unit_count = 2;
  }
}

DecodedReference DecodeNumeric(std::u16string_view text, size_t amp) {
  DecodedReference out;
  size_t i = amp + 2;  // past "&#"
  const bool hex = i < text.size() && (text[i] == u'x' || text[i] == u'X');
  if (hex) ++i;
  const size_t first_digit = i;
  char32_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexValue(text[i]) : (IsAsciiDigit(text[i]) ? text[i] - u'0' : -1);
    if (digit < 0) break;
    // Held at the first value past Unicode, so that any run of digits is read
    // without overflow.
    value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    if (value > kPastUnicode) value = kPastUnicode;
  }
  if (i == first_digit) return out;
  if (i < text.size() && text[i] == u';') ++i;
  out.length = i - amp;
  SetCodePoint(out, value);
  return out;
}

DecodedReference DecodeNamed(std::u16string_view text, size_t amp, bool in_attribute) {
  DecodedReference out;
  const size_t start = amp + 1;
  size_t end = start;
  while (end < text.size() && end - start <= kLongestName && IsAsciiAlnum(text[end])) ++end;
  const std::u16string_view run = text.substr(start, end - start);
  if (end < text.size() && text[end] == u';') {
    if (const NamedReference* named = FindNamedReference(run)) {
      out.length = run.size() + 2;
      SetCodePoint(out, named->code_point);
      return out;
    }
  }
  // Without its ';' only an old Latin-1 name counts, the longest that fits.
  for (size_t length = std::min(run.size(), kLongestBareName); length > 0; --length) {
    const NamedReference* named = FindNamedReference(run.substr(0, length));
    if (named == nullptr || named->needs_semicolon) continue;
    const size_t after = start + length;
    if (in_attribute && after < text.size() && (IsAsciiAlnum(text[after]) || text[after] == u'=')) {
      return out;
    }
    out.length = length + 1;
    SetCodePoint(out, named->code_point);
    return out;
  }
  return out;
}

}  // namespace

DecodedReference DecodeReference(std::u16string_view text, size_t amp, bool in_attribute) {
  if (amp + 1 < text.size() && text[amp + 1] == u'#') return DecodeNumeric(text, amp);
  return DecodeNamed(text, amp, in_attribute);
}

std::u16string DecodeAttributeValue(std::u16string_view raw) {
  std::u16string value;
  value.reserve(raw.size());
  for (size_t i = 0; i < raw.size();) {
    if (raw[i] == u'&') {
      const DecodedReference decoded = DecodeReference(raw, i, true);
      if (decoded.length > 0) {
        value.append(decoded.units, decoded.unit_count);
        i += decoded.length;
        continue;
      }
    }
    value += raw[i++];
  }
  return value;
}

}  // namespace vorenta::html
