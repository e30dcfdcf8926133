#include "core/url_chars.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vorenta {

std::vector<char16_t> BuildUrlChars() {
  std::vector<char16_t> table(48);
  table[0] = u'#';
  table[1] = u'%';
  table[2] = u'&';
  table[3] = u'-';
  for (int i = 4; i <= 16; ++i) table[i] = static_cast<char16_t>(i + 42);  // . / 0-9 :
  table[17] = u'=';
  table[18] = u'?';
  table[19] = u'@';
  table[20] = u'_';
  for (int i = 21; i <= 46; ++i) table[i] = static_cast<char16_t>(i + 76);  // a-z
  table[47] = u'~';
  return table;
}

bool IsUrlChar(char16_t c, const std::vector<char16_t>& url_chars) {
  if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return std::find(url_chars.begin(), url_chars.end(), c) != url_chars.end();
}

int UrlRunLength(const std::u16string& s, int p, const std::vector<char16_t>& url_chars) {
  // Positions are computed in 64 bits: p + 1 and i - p overflow an int at
  // its ends. A length past INT_MAX (only for p far below 1) is capped.
  const int64_t length = static_cast<int64_t>(s.size());
  for (int64_t i = std::max<int64_t>(int64_t{p} + 1, 1); i <= length; ++i) {
    if (!IsUrlChar(s[static_cast<size_t>(i - 1)], url_chars)) {
      return static_cast<int>(std::min<int64_t>(i - p, std::numeric_limits<int>::max()));
    }
  }
  return 0;
}

std::u16string ExtractUrl(const std::u16string& line, const std::vector<char16_t>& url_chars) {
  const std::u16string s = line + kUrlSentinel;
  const auto found = s.find(u"http");
  if (found == std::u16string::npos) return {};
  const int position = static_cast<int>(found) + 1;
  const int length = UrlRunLength(s, position, url_chars);
  return s.substr(found, static_cast<size_t>(length));
}

}  // namespace vorenta
