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

// The words of a value, at most four: "margin: 0 auto 10px".
struct Words {
  std::u16string_view word[4];
  int count = 0;
};

Words SplitWords(std::u16string_view value) {
  Words words;
  size_t i = 0;
  while (words.count < 4) {
    while (i < value.size() && IsSpace(value[i])) ++i;
    if (i == value.size()) break;
    const size_t start = i;
    while (i < value.size() && !IsSpace(value[i])) ++i;
    words.word[words.count++] = value.substr(start, i - start);
  }
  return words;
}

Margin MarginOf(std::u16string_view length) {
  if (EqualsLower(length, "auto")) return Margin::kNarrow;
  size_t i = 0;
  if (i < length.size() && (length[i] == u'-' || length[i] == u'+')) ++i;
  const bool negative = !length.empty() && length[0] == u'-';
  double number = 0;
  bool fraction = false;
  double scale = 1;  // in the fraction: the weight of the next digit
  bool digits = false;
  for (; i < length.size(); ++i) {
    const char16_t c = length[i];
    if (c >= u'0' && c <= u'9') {
      digits = true;
      if (fraction) {
        scale /= 10;
        number += (c - u'0') * scale;
      } else {
        number = number * 10 + (c - u'0');
      }
    } else if (c == u'.' && !fraction) {
      fraction = true;
    } else {
      break;
    }
  }
  if (!digits) return Margin::kUnset;
  if (negative || number == 0) return Margin::kNarrow;
  const std::u16string_view unit = length.substr(i);
  struct Threshold {
    std::string_view unit;
    double wide_from;
  };
  // Half of a 14px line in each unit; a bare number is read as pixels.
  static constexpr Threshold kThresholds[] = {
      {"", 7},   {"px", 7}, {"pt", 5.25}, {"pc", 0.44}, {"em", 0.5},   {"rem", 0.5},
      {"ex", 1}, {"ch", 1}, {"cm", 0.19}, {"mm", 1.9},  {"in", 0.073}, {"q", 7.4}};
  for (const Threshold& t : kThresholds) {
    if (EqualsLower(unit, t.unit)) return number >= t.wide_from ? Margin::kWide : Margin::kNarrow;
  }
  return Margin::kWide;  // percentages and the rest
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
  Winner<Margin> margin_top;
  Winner<Margin> margin_bottom;
  auto take = [&](std::u16string_view declaration) {
    const size_t colon = declaration.find(u':');
    if (colon == std::u16string_view::npos) return;
    const std::u16string_view name = Trim(declaration.substr(0, colon));
    bool important = false;
    const Words words = SplitWords(StripImportant(Trim(declaration.substr(colon + 1)), important));
    if (words.count == 0) return;
    if (EqualsLower(name, "display")) {
      display.Offer(DisplayOf(words.word[0]), important);
    } else if (EqualsLower(name, "white-space")) {
      white_space.Offer(WhiteSpaceOf(words.word[0]), important);
    } else if (EqualsLower(name, "margin")) {
      margin_top.Offer(MarginOf(words.word[0]), important);
      margin_bottom.Offer(MarginOf(words.word[words.count >= 3 ? 2 : 0]), important);
    } else if (EqualsLower(name, "margin-top")) {
      margin_top.Offer(MarginOf(words.word[0]), important);
    } else if (EqualsLower(name, "margin-bottom")) {
      margin_bottom.Offer(MarginOf(words.word[0]), important);
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
  return {display.value, white_space.value, margin_top.value, margin_bottom.value};
}

}  // namespace vorenta::html
