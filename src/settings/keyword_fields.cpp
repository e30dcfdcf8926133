#include "settings/keyword_fields.h"

namespace vorenta {

namespace {

constexpr char16_t kSpace = u' ';
constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';
constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

bool IsLineEnd(char16_t c) { return c == kCr || c == kLf; }

enum class Quotes { kPlain, kDoubled };

// Reads one field at a time; every step moves forward, so a whole file is
// read in time linear in its length.
class FieldReader {
 public:
  FieldReader(std::u16string_view text, Quotes quotes) : text_(text), quotes_(quotes) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  std::u16string Next() {
    while (pos_ < text_.size() && text_[pos_] == kSpace) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == kQuote) return Quoted();
    return Unquoted();
  }

 private:
  std::u16string Quoted() {
    const size_t start = pos_ + 1;
    std::u16string field;
    size_t from = start;
    for (;;) {
      const size_t quote = text_.find(kQuote, from);
      if (quote == std::u16string_view::npos) return Unclosed(start);
      field.append(text_.substr(from, quote - from));
      if (quotes_ == Quotes::kDoubled && IsQuoteAt(quote + 1)) {
        field += kQuote;
        from = quote + 2;
        continue;
      }
      pos_ = quote + 1;
      FindDelimiter(/*comma_ends=*/true);
      ConsumeDelimiter();
      return field;
    }
  }

  // A quote never closed: the field is the rest of its line, without the
  // opening quote. Doubled quotes in it can only be pairs: a single one
  // would have closed the field.
  std::u16string Unclosed(size_t start) {
    pos_ = start;
    const size_t end = FindDelimiter(/*comma_ends=*/false);
    ConsumeDelimiter();
    std::u16string field;
    for (size_t i = start; i < end; ++i) {
      field += text_[i];
      if (quotes_ == Quotes::kDoubled && text_[i] == kQuote) ++i;
    }
    return field;
  }

  std::u16string Unquoted() {
    const size_t start = pos_;
    size_t end = FindDelimiter(/*comma_ends=*/true);
    ConsumeDelimiter();
    while (end > start && text_[end - 1] == kSpace) --end;
    return std::u16string(text_.substr(start, end - start));
  }

  bool IsQuoteAt(size_t i) const { return i < text_.size() && text_[i] == kQuote; }

  // Moves to the next delimiter (or the end of the text) and returns its
  // position.
  size_t FindDelimiter(bool comma_ends) {
    while (pos_ < text_.size()) {
      const char16_t c = text_[pos_];
      if (IsLineEnd(c) || (comma_ends && c == kComma)) break;
      ++pos_;
    }
    return pos_;
  }

  // Consumes the comma or the line end (CR LF, CR or LF) at the position.
  void ConsumeDelimiter() {
    if (pos_ >= text_.size()) return;
    const char16_t c = text_[pos_++];
    if (c == kCr && pos_ < text_.size() && text_[pos_] == kLf) ++pos_;
  }

  std::u16string_view text_;
  Quotes quotes_;
  size_t pos_ = 0;
};

std::vector<std::u16string> ReadFields(std::u16string_view text, Quotes quotes) {
  std::vector<std::u16string> fields;
  FieldReader reader(text, quotes);
  while (!reader.AtEnd()) fields.push_back(reader.Next());
  return fields;
}

bool HasDelimiter(const std::u16string& keyword) {
  for (char16_t c : keyword) {
    if (c == kComma || IsLineEnd(c)) return true;
  }
  return false;
}

bool HasOuterSpace(const std::u16string& keyword) {
  return !keyword.empty() && (keyword.front() == kSpace || keyword.back() == kSpace);
}

}  // namespace

std::vector<std::u16string> ReadKeywordFields(std::u16string_view text) {
  return ReadFields(text, Quotes::kPlain);
}

std::vector<std::u16string> ReadMarkedKeywordFields(std::u16string_view text) {
  return ReadFields(text, Quotes::kDoubled);
}

std::u16string KeywordLine(const std::u16string& keyword) {
  const bool reads_back_bare = !HasDelimiter(keyword) && !HasOuterSpace(keyword) &&
                               (keyword.empty() || keyword[0] != kQuote);
  if (reads_back_bare || keyword.find(kQuote) != std::u16string::npos) return keyword;
  return kQuote + keyword + kQuote;
}

std::u16string MarkedKeywordLine(const std::u16string& keyword) {
  // An empty keyword is quoted too, so that an editor that drops empty last
  // lines cannot lose it.
  const bool bare = !keyword.empty() && !HasDelimiter(keyword) && !HasOuterSpace(keyword) &&
                    keyword.find(kQuote) == std::u16string::npos;
  if (bare) return keyword;
  std::u16string line(1, kQuote);
  for (char16_t c : keyword) {
    line += c;
    if (c == kQuote) line += kQuote;
  }
  line += kQuote;
  return line;
}

}  // namespace vorenta
