#include "mail/rtf_tokens.h"

#include <algorithm>
#include <limits>

namespace vorenta {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsPlainText(char c) { return c != '\\' && c != '{' && c != '}' && c != '\r' && c != '\n'; }

}  // namespace

RtfToken RtfTokenizer::Next() {
  while (pos_ < rtf_.size() && (rtf_[pos_] == '\r' || rtf_[pos_] == '\n')) ++pos_;
  RtfToken token;
  if (pos_ >= rtf_.size()) return token;
  const char c = rtf_[pos_];
  if (c == '{' || c == '}') {
    ++pos_;
    token.kind = c == '{' ? RtfToken::Kind::kGroupStart : RtfToken::Kind::kGroupEnd;
    return token;
  }
  if (c == '\\') return Escape();
  const size_t start = pos_;
  while (pos_ < rtf_.size() && IsPlainText(rtf_[pos_])) ++pos_;
  token.kind = RtfToken::Kind::kText;
  token.text = rtf_.substr(start, pos_ - start);
  return token;
}

RtfToken RtfTokenizer::Escape() {
  ++pos_;  // the backslash
  RtfToken token;
  if (pos_ >= rtf_.size()) return token;
  if (IsLetter(rtf_[pos_])) return ControlWord();
  const char symbol = rtf_[pos_++];
  if (symbol == '\'' && rtf_.size() - pos_ >= 2) {
    const int high = HexValue(rtf_[pos_]);
    const int low = HexValue(rtf_[pos_ + 1]);
    if (high >= 0 && low >= 0) {
      pos_ += 2;
      token.kind = RtfToken::Kind::kHexByte;
      token.byte = static_cast<unsigned char>(high * 16 + low);
      return token;
    }
  }
  token.kind = RtfToken::Kind::kControlSymbol;
  // A backslash before a line break is a paragraph mark.
  token.symbol = symbol == '\r' ? '\n' : symbol;
  return token;
}

RtfToken RtfTokenizer::ControlWord() {
  RtfToken token;
  token.kind = RtfToken::Kind::kControlWord;
  const size_t start = pos_;
  while (pos_ < rtf_.size() && IsLetter(rtf_[pos_])) ++pos_;
  token.name = rtf_.substr(start, pos_ - start);

  const bool negative = pos_ + 1 < rtf_.size() && rtf_[pos_] == '-' && IsDigit(rtf_[pos_ + 1]);
  if (negative) ++pos_;
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (pos_ < rtf_.size() && IsDigit(rtf_[pos_])) {
    token.has_param = true;
    value = std::min(value * 10 + (rtf_[pos_++] - '0'), kLimit);
  }
  if (negative) value = -value;
  token.param = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
  if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word

  if (token.name == "bin") {
    const size_t length = std::min<size_t>(token.param > 0 ? token.param : 0, rtf_.size() - pos_);
    token.kind = RtfToken::Kind::kBinary;
    token.text = rtf_.substr(pos_, length);
    pos_ += length;
  }
  return token;
}

}  // namespace vorenta
