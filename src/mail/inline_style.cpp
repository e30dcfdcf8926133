#include "mail/inline_style.h"

#include <string>

namespace vorenta::html {

namespace {

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsLower(std::u16string_view s, std::string_view lower) {
  if (s.size() != lower.size()) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    if (c != static_cast<char16_t>(lower[i])) return false;
  }
  return true;
}

// The value without a trailing "!important" (any case, spaces allowed
// after '!'); important tells whether it was there.
std::u16string_view StripImportant(std::u16string_view value, bool& important) {
  important = false;
  const size_t bang = value.rfind(u'!');
  if (bang == std::u16string_view::npos) return value;
  if (!EqualsLower(Trim(value.substr(bang + 1)), "important")) return value;
  important = true;
  return Trim(value.substr(0, bang));
}

StyleDisplay DisplayOf(std::u16string_view keyword) {
  if (EqualsLower(keyword, "none")) return StyleDisplay::kNone;
  for (std::string_view block : {"block", "flex", "grid", "list-item", "table", "flow-root",
                                 "table-row", "table-row-group", "table-caption"}) {
    if (EqualsLower(keyword, block)) return StyleDisplay::kBlock;
  }
  for (std::string_view in_line :
       {"inline", "inline-block", "inline-flex", "inline-grid", "inline-table", "contents"}) {
    if (EqualsLower(keyword, in_line)) return StyleDisplay::kInline;
  }
  if (EqualsLower(keyword, "table-cell")) return StyleDisplay::kCell;
  return StyleDisplay::kUnset;
}

WhiteSpace WhiteSpaceOf(std::u16string_view keyword) {
  for (std::string_view keep : {"pre", "pre-wrap", "break-spaces"}) {
    if (EqualsLower(keyword, keep)) return WhiteSpace::kPreserve;
  }
  if (EqualsLower(keyword, "pre-line")) return WhiteSpace::kPreserveBreaks;
  if (EqualsLower(keyword, "normal") || EqualsLower(keyword, "nowrap")) {
    return WhiteSpace::kCollapse;
  }
  return WhiteSpace::kUnset;
}

// The first word of a value: "display: block flow" is read as block.
std::u16string_view FirstWord(std::u16string_view value) {
  size_t end = 0;
  while (end < value.size() && !IsSpace(value[end])) ++end;
  return value.substr(0, end);
}

// A property's value as the cascade of one attribute leaves it. A value
// this reader does not know is dropped, as an invalid one would be.
template <typename Value>
struct Winner {
  Value value{};
  bool important = false;
  void Offer(Value v, bool is_important) {
    if (v == Value{} || (important && !is_important)) return;
    value = v;
    important = is_important;
  }
};

}  // namespace

InlineStyle ParseInlineStyle(std::u16string_view style) {
  Winner<StyleDisplay> display;
  Winner<WhiteSpace> white_space;
  auto take = [&](std::u16string_view declaration) {
    const size_t colon = declaration.find(u':');
    if (colon == std::u16string_view::npos) return;
    const std::u16string_view name = Trim(declaration.substr(0, colon));
    bool important = false;
    const std::u16string_view value =
        FirstWord(StripImportant(Trim(declaration.substr(colon + 1)), important));
    if (EqualsLower(name, "display")) {
      display.Offer(DisplayOf(value), important);
    } else if (EqualsLower(name, "white-space")) {
      white_space.Offer(WhiteSpaceOf(value), important);
    }
  };
  // Comments are rare: only then is the text copied without them.
  std::u16string without_comments;
  if (style.find(u"/*") != std::u16string_view::npos) {
    for (size_t i = 0; i < style.size(); ++i) {
      if (style[i] == u'/' && i + 1 < style.size() && style[i + 1] == u'*') {
        const size_t close = style.find(u"*/", i + 2);
        i = close == std::u16string_view::npos ? style.size() : close + 1;
        without_comments += u' ';
      } else {
        without_comments += style[i];
      }
    }
    style = without_comments;
  }
  char16_t quote = 0;
  int parens = 0;
  size_t start = 0;
  for (size_t i = 0; i < style.size(); ++i) {
    const char16_t c = style[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u'(') {
      ++parens;
    } else if (c == u')' && parens > 0) {
      --parens;
    } else if (c == u';' && parens == 0) {
      take(style.substr(start, i - start));
      start = i + 1;
    }
  }
  take(style.substr(start));
  return {display.value, white_space.value};
}

}  // namespace vorenta::html
