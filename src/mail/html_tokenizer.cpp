#include "mail/html_tokenizer.h"

namespace vorenta::html {

namespace {

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

bool IsAsciiAlpha(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// Whether text at pos begins with the ASCII name in any case.
bool StartsWithName(std::u16string_view text, size_t pos, std::string_view name) {
  if (text.size() - pos < name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (Lower(text[pos + i]) != static_cast<char16_t>(name[i])) return false;
  }
  return true;
}

}  // namespace

bool Tokenizer::Next(Token& token) {
  while (pos_ < html_.size()) {
    if (raw_ != Tag::kOther) {
      if (ReadRawText(token)) return true;
      continue;
    }
    const size_t start = pos_;
    while (pos_ < html_.size()) {
      const size_t lt = html_.find(u'<', pos_);
      if (lt == std::u16string_view::npos) {
        pos_ = html_.size();
      } else if (StartsMarkup(lt)) {
        pos_ = lt;
        break;
      } else {
        pos_ = lt + 1;
      }
    }
    if (pos_ > start) {
      token.kind = Token::Kind::kText;
      token.text = html_.substr(start, pos_ - start);
      token.raw_of = Tag::kOther;
      return true;
    }
    if (ReadMarkup(token)) return true;
  }
  return false;
}

bool Tokenizer::StartsMarkup(size_t lt) const {
  if (lt + 1 >= html_.size()) return false;
  const char16_t next = html_[lt + 1];
  // "</" at the very end is text, as browsers show it.
  return IsAsciiAlpha(next) || next == u'!' || next == u'?' ||
         (next == u'/' && lt + 2 < html_.size());
}

bool Tokenizer::ReadRawText(Token& token) {
  const Tag element = raw_;
  const std::string_view name = InfoOf(element).name;
  const size_t start = pos_;
  size_t end = html_.size();
  if (element != Tag::kPlaintext) {
    for (size_t at = html_.find(u"</", start); at != std::u16string_view::npos;
         at = html_.find(u"</", at + 2)) {
      const size_t after = at + 2 + name.size();
      if (StartsWithName(html_, at + 2, name) && after < html_.size() &&
          (IsSpace(html_[after]) || html_[after] == u'/' || html_[after] == u'>')) {
        end = at;
        break;
      }
    }
  }
  raw_ = Tag::kOther;
  pos_ = end;
  if (end == start) return false;
  token.kind = Token::Kind::kText;
  token.text = html_.substr(start, end - start);
  token.raw_of = element;
  return true;
}

bool Tokenizer::ReadMarkup(Token& token) {
  const char16_t next = html_[pos_ + 1];
  if (next == u'!') {
    if (html_.substr(pos_ + 2, 2) == u"--") {
      SkipComment();
    } else {
      SkipPast(u'>');  // doctype, "<![if ...]>", CDATA: a bogus comment
    }
    return false;
  }
  if (next == u'?') {
    SkipPast(u'>');
    return false;
  }
  if (next == u'/') {
    const char16_t first = html_[pos_ + 2];
    if (IsAsciiAlpha(first)) return ReadTag(token, true);
    if (first == u'>') {
      pos_ += 3;  // "</>" is nothing at all
    } else {
      SkipPast(u'>');
    }
    return false;
  }
  return ReadTag(token, false);
}

void Tokenizer::SkipPast(char16_t c) {
  const size_t at = html_.find(c, pos_);
  pos_ = at == std::u16string_view::npos ? html_.size() : at + 1;
}

void Tokenizer::SkipComment() {
  size_t at = pos_ + 4;  // past "<!--"
  // "<!-->" and "<!--->" end where they stand.
  if (html_.substr(at, 1) == u">") {
    pos_ = at + 1;
    return;
  }
  if (html_.substr(at, 2) == u"->") {
    pos_ = at + 2;
    return;
  }
  for (at = html_.find(u"--", at); at != std::u16string_view::npos;
       at = html_.find(u"--", at + 1)) {
    const std::u16string_view rest = html_.substr(at + 2);
    if (rest.substr(0, 1) == u">") {
      pos_ = at + 3;
      return;
    }
    if (rest.substr(0, 2) == u"!>") {
      pos_ = at + 4;
      return;
    }
  }
  pos_ = html_.size();  // a comment left open takes the rest, as in a browser
}

bool Tokenizer::ReadTag(Token& token, bool end_tag) {
  const size_t n = html_.size();
  size_t i = pos_ + (end_tag ? 2 : 1);
  const size_t name_start = i;
  while (i < n && !IsSpace(html_[i]) && html_[i] != u'/' && html_[i] != u'>') ++i;
  token.kind = end_tag ? Token::Kind::kEndTag : Token::Kind::kStartTag;
  token.name = html_.substr(name_start, i - name_start);
  token.tag = LookupTag(token.name);
  token.attributes.clear();
  for (;;) {
    while (i < n && IsSpace(html_[i])) ++i;
    if (i >= n) break;
    if (html_[i] == u'>') {
      pos_ = i + 1;
      if (!end_tag && HasFlag(token.tag, kRawHidden | kRawShown)) raw_ = token.tag;
      return true;
    }
    if (html_[i] == u'/') {
      ++i;
      continue;
    }
    // A name may begin with '='; it ends at space, '/', '>' or '='.
    const size_t attr_start = i++;
    while (i < n && !IsSpace(html_[i]) && html_[i] != u'/' && html_[i] != u'>' &&
           html_[i] != u'=') {
      ++i;
    }
    Attribute attribute{html_.substr(attr_start, i - attr_start), {}};
    size_t after_name = i;
    while (after_name < n && IsSpace(html_[after_name])) ++after_name;
    if (after_name < n && html_[after_name] == u'=') {
      i = after_name + 1;
      while (i < n && IsSpace(html_[i])) ++i;
      if (i >= n) break;
      const char16_t quote = html_[i];
      if (quote == u'"' || quote == u'\'') {
        const size_t close = html_.find(quote, i + 1);
        if (close == std::u16string_view::npos) break;
        attribute.value = html_.substr(i + 1, close - i - 1);
        i = close + 1;
      } else if (quote != u'>') {
        const size_t value_start = i;
        while (i < n && !IsSpace(html_[i]) && html_[i] != u'>') ++i;
        attribute.value = html_.substr(value_start, i - value_start);
      }
    }
    if (!end_tag) token.attributes.push_back(attribute);
  }
  // The input ended inside the tag: a browser drops it, and nothing follows.
  pos_ = n;
  return false;
}

}  // namespace vorenta::html
