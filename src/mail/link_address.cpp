#include "mail/link_address.h"

namespace vorenta::html {

namespace {

bool StartsWithLower(std::u16string_view s, std::u16string_view lower) {
  if (s.size() < lower.size()) return false;
  for (size_t i = 0; i < lower.size(); ++i) {
    char16_t c = s[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    if (c != lower[i]) return false;
  }
  return true;
}

}  // namespace

std::u16string WebAddress(std::u16string_view href) {
  while (!href.empty() && href.front() <= u' ') href.remove_prefix(1);
  while (!href.empty() && href.back() <= u' ') href.remove_suffix(1);
  std::u16string_view scheme;
  for (std::u16string_view s :
       {std::u16string_view(u"http://"), std::u16string_view(u"https://")}) {
    if (StartsWithLower(href, s)) scheme = s;
  }
  if (scheme.empty()) return {};
  std::u16string address(scheme);
  address.reserve(href.size());
  for (char16_t c : href.substr(scheme.size())) {
    if (c == u'\t' || c == u'\n' || c == u'\r') continue;
    if (c <= u' ') {
      constexpr char16_t kHex[] = u"0123456789ABCDEF";
      address += u'%';
      address += kHex[c >> 4];
      address += kHex[c & 0xF];
      continue;
    }
    address += c;
  }
  return address;
}

}  // namespace vorenta::html
