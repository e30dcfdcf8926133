#include "settings/keyword_file.h"

#include "settings/utf8.h"

namespace vorenta {

namespace {

constexpr char16_t kSpace = u' ';
constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';
constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

bool IsLineEnd(char16_t c) { return c == kCr || c == kLf; }

// Reads one field at a time; every step moves forward, so a whole file is
// read in time linear in its length.
class FieldReader {
 public:
  explicit FieldReader(std::u16string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  std::u16string Next() {
    while (pos_ < text_.size() && text_[pos_] == kSpace) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == kQuote) return Quoted();
    return Unquoted();
  }

 private:
  std::u16string Quoted() {
    const size_t start = pos_ + 1;
    const size_t close = text_.find(kQuote, start);
    if (close == std::u16string_view::npos) {
      // Never closed: the rest of the line.
      pos_ = start;
      const size_t end = FindDelimiter(/*comma_ends=*/false);
      std::u16string field(text_.substr(start, end - start));
      ConsumeDelimiter();
      return field;
    }
    std::u16string field(text_.substr(start, close - start));
    pos_ = close + 1;
    FindDelimiter(/*comma_ends=*/true);
    ConsumeDelimiter();
    return field;
  }

  std::u16string Unquoted() {
    const size_t start = pos_;
    size_t end = FindDelimiter(/*comma_ends=*/true);
    ConsumeDelimiter();
    while (end > start && text_[end - 1] == kSpace) --end;
    return std::u16string(text_.substr(start, end - start));
  }

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
  size_t pos_ = 0;
};

bool ReadsBackBare(const std::u16string& keyword) {
  if (keyword.empty()) return true;
  if (keyword.front() == kSpace || keyword.back() == kSpace || keyword.front() == kQuote) {
    return false;
  }
  for (char16_t c : keyword) {
    if (c == kComma || IsLineEnd(c)) return false;
  }
  return true;
}

}  // namespace

std::vector<std::u16string> ReadKeywordFields(std::u16string_view text) {
  std::vector<std::u16string> fields;
  FieldReader reader(text);
  while (!reader.AtEnd()) fields.push_back(reader.Next());
  return fields;
}

KeywordFileContent ReadKeywordFile(const std::string& bytes, const AnsiCodec& codec) {
  const std::string_view view(bytes);
  std::u16string text;
  KeywordFileContent content;
  if (view.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    Utf8Text decoded = DecodeUtf8(view.substr(kUtf8Bom.size()));
    text = std::move(decoded.text);
    content.lossy = decoded.lossy;
  } else {
    AnsiText decoded = codec.Decode(bytes);
    text = std::move(decoded.text);
    content.lossy = decoded.lossy;
  }
  content.keywords = ReadKeywordFields(text);
  return content;
}

std::u16string KeywordLine(const std::u16string& keyword) {
  if (ReadsBackBare(keyword) || keyword.find(kQuote) != std::u16string::npos) return keyword;
  return kQuote + keyword + kQuote;
}

std::string WriteKeywordFile(const std::vector<std::u16string>& keywords, const AnsiCodec& codec) {
  std::u16string text;
  for (const auto& keyword : keywords) {
    text += KeywordLine(keyword);
    text += u"\r\n";
  }
  if (text.empty()) return {};
  AnsiBytes ansi = codec.Encode(text);
  if (!ansi.lossy) return std::move(ansi.bytes);
  return std::string(kUtf8Bom) + EncodeUtf8(text);
}

}  // namespace vorenta
