#pragma once
// Character references (&amp;, &#12354;, &#x3042;) as a browser decodes them
// in text and in attribute values.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorenta::html {

struct DecodedReference {
  size_t length = 0;  // input units taken, '&' included; 0: the '&' stands for itself
  char16_t units[2] = {};
  int unit_count = 0;
};

// The reference that begins at text[amp], which is '&'. Numeric references
// never fail once a digit follows: zero, surrogates and values past U+10FFFF
// give U+FFFD, 0x80 to 0x9F are read as Windows-1252. A named reference needs
// its ';' unless it is one of the old Latin-1 names; in an attribute value
// such a name followed by a letter, digit or '=' is left alone, so that
// "?a=1&copy=2" in an address stays as written. Names not known stay text.
DecodedReference DecodeReference(std::u16string_view text, size_t amp, bool in_attribute);

// An attribute value with every reference decoded.
std::u16string DecodeAttributeValue(std::u16string_view raw);

}  // namespace vorenta::html
