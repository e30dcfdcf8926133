#include "core/url_chars.h"

#include <algorithm>

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
  const int length = static_cast<int>(s.size());
  for (int i = std::max(p + 1, 1); i <= length; ++i) {
    if (!IsUrlChar(s[i - 1], url_chars)) return i - p;
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
