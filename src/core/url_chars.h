#pragma once
#include <string>
#include <vector>

namespace vorenta {

// The 48 characters that may continue a web address, in table order.
// Upper-case letters are absent: they are lowered before the lookup.
std::vector<char16_t> BuildUrlChars();

bool IsUrlChar(char16_t c, const std::vector<char16_t>& url_chars);

// Length of the address that begins at the 1-based position p of s: the
// characters from p up to the first non-address character after p. The
// character at p itself is not tested. 0 when s ends before such a
// character is met.
int UrlRunLength(const std::u16string& s, int p, const std::vector<char16_t>& url_chars);

// Appended to a clicked line so that every address run ends inside it.
inline constexpr char16_t kUrlSentinel[] = u"{{{";

// The address a click on the line cuts out: from the first "http" (exact
// case), measured over the line plus the sentinel. Empty when the line has
// no "http".
std::u16string ExtractUrl(const std::u16string& line, const std::vector<char16_t>& url_chars);

}  // namespace vorenta
