#include "mail/header_parameters.h"

namespace vorenta {

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() { return SkipSpaceAndComments() >= text_.size(); }
  char Peek() { return text_[pos_]; }
  void Skip() { ++pos_; }

  // Characters up to one of the stop characters, outside comments, with
  // white space trimmed; inner white space is dropped too unless kept.
  std::string Token(std::string_view stops, bool keep_inner_space = false) {
    std::string token;
    size_t kept_length = 0;
    while (SkipSpaceAndComments(keep_inner_space && !token.empty()) < text_.size() &&
           stops.find(text_[pos_]) == std::string::npos) {
      token += text_[pos_++];
      if (!IsWhiteSpace(token.back())) kept_length = token.size();
    }
    token.resize(kept_length);
    return token;
  }

  std::string QuotedString() {
    std::string value;
    ++pos_;  // the opening quote
    while (pos_ < text_.size() && text_[pos_] != '"') {
      if (text_[pos_] == '\\' && pos_ + 1 < text_.size()) ++pos_;
      value += text_[pos_++];
    }
    if (pos_ < text_.size()) ++pos_;  // the closing quote
    return value;
  }

 private:
  size_t SkipSpaceAndComments(bool keep_space = false) {
    while (pos_ < text_.size()) {
      if (IsWhiteSpace(text_[pos_]) && !keep_space) {
        ++pos_;
      } else if (text_[pos_] == '(') {
        SkipComment();
      } else {
        break;
      }
    }
    return pos_;
  }

  void SkipComment() {
    int depth = 0;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '\\') {
        ++pos_;
      } else if (c == '(') {
        ++depth;
      } else if (c == ')' && --depth == 0) {
        return;
      }
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

std::string Lower(std::string text) {
  for (char& c : text) c = AsciiLower(c);
  return text;
}

}  // namespace

std::optional<std::string_view> ParameterizedValue::Parameter(std::string_view name) const {
  for (const auto& [parameter, value] : parameters) {
    if (parameter == name) return value;
  }
  return std::nullopt;
}

ParameterizedValue ParseParameterizedValue(std::string_view raw_value) {
  ParameterizedValue result;
  Reader reader(raw_value);
  result.value = Lower(reader.Token(";"));
  while (!reader.AtEnd()) {
    if (reader.Peek() != ';') {
      reader.Token(";");  // what is left of a broken parameter
      continue;
    }
    reader.Skip();
    std::string name = Lower(reader.Token(";="));
    if (reader.AtEnd() || reader.Peek() != '=') continue;
    reader.Skip();
    std::string value;
    if (!reader.AtEnd())
      value = reader.Peek() == '"' ? reader.QuotedString() : reader.Token(";", true);
    if (!name.empty()) result.parameters.emplace_back(std::move(name), std::move(value));
  }
  return result;
}

}  // namespace vorenta
