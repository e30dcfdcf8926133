#include "mail/mailbox_list.h"

#include <algorithm>

#include "core/utf8.h"
#include "mail/charsets.h"
#include "mail/encoded_words.h"

namespace vorenta {

namespace {

constexpr char kEsc = '\x1b';
constexpr std::string_view kSpecials = "()<>[]:;@,.\"";

struct Token {
  enum Kind { kAtom, kQuoted, kComment, kDomainLiteral, kSpecial } kind;
  std::string text;  // quoted strings and comments without their delimiters
  bool space_before = false;
  std::string_view raw;  // as in the mail
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsShiftJisLead(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text)
      : text_(text),
        // A Shift_JIS second byte can be '\' or '@'; UTF-8 never has such.
        shift_jis_pairs_(DecodeUtf8(text).lossy) {}

  std::vector<Token> Tokens() {
    std::vector<Token> tokens;
    bool space = false;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (IsSpace(c)) {
        space = true;
        ++pos_;
        continue;
      }
      Token token{Token::kAtom, {}, space, {}};
      space = false;
      const size_t start = pos_;
      if (c == '"') {
        token.kind = Token::kQuoted;
        ReadQuoted(token.text);
      } else if (c == '(') {
        token.kind = Token::kComment;
        ReadComment(token.text);
      } else if (c == '[') {
        token.kind = Token::kDomainLiteral;
        while (pos_ < text_.size() && text_[pos_] != ']') TakeCharacter(token.text);
        if (pos_ < text_.size()) token.text += text_[pos_++];
      } else if (kSpecials.find(c) != std::string_view::npos && c != ')' && c != ']') {
        token.kind = Token::kSpecial;
        token.text = c;
        ++pos_;
      } else {
        ReadAtom(token.text);
      }
      token.raw = text_.substr(start, pos_ - start);
      tokens.push_back(std::move(token));
    }
    return tokens;
  }

 private:
  // One character as raw bytes: a run of ISO-2022-JP two-byte or kana text
  // up to its closing escape, a Shift_JIS pair, or one byte. Their bytes
  // may look like quotes, brackets or commas.
  void TakeCharacter(std::string& out) {
    size_t end = pos_ + 1;
    const unsigned char b = static_cast<unsigned char>(text_[pos_]);
    if (b == kEsc) {
      const std::string_view rest = text_.substr(pos_);
      if (rest.substr(0, 3) == "\x1b(B" || rest.substr(0, 3) == "\x1b(J") {
        end = pos_ + 3;
      } else {
        end = text_.size();
        for (size_t e = text_.find(kEsc, pos_ + 1); e != std::string_view::npos;
             e = text_.find(kEsc, e + 1)) {
          const std::string_view back = text_.substr(e, 3);
          if (back == "\x1b(B" || back == "\x1b(J") {
            end = e + 3;
            break;
          }
        }
      }
    } else if (shift_jis_pairs_ && IsShiftJisLead(b)) {
      end = pos_ + 2;
    }
    end = std::min(end, text_.size());
    out.append(text_.substr(pos_, end - pos_));
    pos_ = end;
  }

  void ReadAtom(std::string& out) {
    while (pos_ < text_.size() && !IsSpace(text_[pos_])) {
      const char c = text_[pos_];
      if (c == '=' && text_.substr(pos_, 2) == "=?") {
        // An encoded word may hold dots and other specials in its Q text.
        if (const auto word = ReadEncodedWord(text_.substr(pos_))) {
          out.append(text_.substr(pos_, word->length));
          pos_ += word->length;
          continue;
        }
      }
      if (kSpecials.find(c) != std::string_view::npos && c != ')' && c != ']') return;
      TakeCharacter(out);
    }
  }

  void ReadQuoted(std::string& out) {
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      if (text_[pos_] == '\\' && pos_ + 1 < text_.size()) ++pos_;
      TakeCharacter(out);
    }
    if (pos_ < text_.size()) ++pos_;
  }

  void ReadComment(std::string& out) {
    int depth = 0;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\\' && pos_ + 1 < text_.size()) {
        ++pos_;
        TakeCharacter(out);
        continue;
      }
      if (c == '(' && depth++ == 0) {
        ++pos_;
        continue;
      }
      if (c == ')' && --depth == 0) {
        ++pos_;
        return;
      }
      TakeCharacter(out);
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  bool shift_jis_pairs_;
};

bool IsSpecial(const Token& token, char c) {
  return token.kind == Token::kSpecial && token.text[0] == c;
}

// The text of a phrase, quotes and comments gone, one space where the mail
// had white space.
std::string PhraseText(std::vector<Token>::const_iterator first,
                       std::vector<Token>::const_iterator last) {
  std::string text;
  for (auto it = first; it != last; ++it) {
    if (it->kind == Token::kComment) continue;
    if (it->space_before && !text.empty()) text += ' ';
    text += it->text;
  }
  return text;
}

// The bare address as text: white space and comments dropped, a quoted local
// part kept as written.
std::string AddressText(std::vector<Token>::const_iterator first,
                        std::vector<Token>::const_iterator last) {
  std::string text;
  for (auto it = first; it != last; ++it) {
    if (it->kind == Token::kComment) continue;
    text += it->kind == Token::kQuoted ? it->raw : it->text;
  }
  return text;
}

std::string CommentsText(const std::vector<Token>& tokens) {
  std::string text;
  for (const Token& token : tokens) {
    if (token.kind != Token::kComment) continue;
    if (!text.empty()) text += ' ';
    text += token.text;
  }
  return text;
}

std::u16string Trimmed(std::u16string text) {
  const auto is_space = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && is_space(text.back())) text.pop_back();
  size_t start = 0;
  while (start < text.size() && is_space(text[start])) ++start;
  return text.substr(start);
}

class MailboxBuilder {
 public:
  MailboxBuilder(const AnsiCodec& cp932, std::vector<Mailbox>& out) : cp932_(cp932), out_(out) {}

  void Add(const Token& token) {
    if (in_angle_) {
      if (IsSpecial(token, '>')) {
        in_angle_ = false;
      } else if (IsSpecial(token, ':')) {
        address_.clear();  // a source route before the address
      } else {
        address_.push_back(token);
      }
    } else if (IsSpecial(token, '<')) {
      in_angle_ = true;
      has_angle_ = true;
    } else if (IsSpecial(token, ':')) {
      phrase_.clear();  // a group's name
    } else if (IsSpecial(token, ',') || IsSpecial(token, ';')) {
      Finish();
    } else {
      phrase_.push_back(token);
    }
  }

  void Finish() {
    std::string name;
    std::string address;
    if (has_angle_) {
      name = PhraseText(phrase_.begin(), phrase_.end());
      address = AddressText(address_.begin(), address_.end());
    } else {
      SplitBareMailbox(name, address);
    }
    // An old-style "address (name)".
    if (name.empty()) name = CommentsText(phrase_);
    if (name.empty()) name = CommentsText(address_);
    Mailbox mailbox{Trimmed(DecodeHeaderText(name, cp932_)),
                    DecodeUnlabelled(address, cp932_).text};
    if (!mailbox.name.empty() || !mailbox.address.empty()) out_.push_back(std::move(mailbox));
    phrase_.clear();
    address_.clear();
    in_angle_ = has_angle_ = false;
  }

 private:
  // Without angle brackets: the address is the last run of tokens joined
  // without white space (or by '@' and '.') that holds an '@'; what comes
  // before it is a name written without brackets.
  void SplitBareMailbox(std::string& name, std::string& address) {
    std::vector<size_t> run_starts;
    for (size_t i = 0; i < phrase_.size(); ++i) {
      if (phrase_[i].kind == Token::kComment) continue;
      const bool joined =
          !run_starts.empty() &&
          (!phrase_[i].space_before || IsSpecial(phrase_[i], '@') || IsSpecial(phrase_[i], '.') ||
           IsSpecial(phrase_[i - 1], '@') || IsSpecial(phrase_[i - 1], '.'));
      if (!joined) run_starts.push_back(i);
    }
    for (size_t r = run_starts.size(); r-- > 0;) {
      const auto first = phrase_.begin() + run_starts[r];
      const auto last =
          r + 1 < run_starts.size() ? phrase_.begin() + run_starts[r + 1] : phrase_.end();
      if (std::any_of(first, last, [](const Token& t) { return IsSpecial(t, '@'); })) {
        address = AddressText(first, last);
        name = PhraseText(phrase_.begin(), first) + PhraseText(last, phrase_.end());
        return;
      }
    }
    name = PhraseText(phrase_.begin(), phrase_.end());
  }

  const AnsiCodec& cp932_;
  std::vector<Mailbox>& out_;
  std::vector<Token> phrase_;
  std::vector<Token> address_;
  bool in_angle_ = false;
  bool has_angle_ = false;
};

}  // namespace

std::vector<Mailbox> ParseMailboxList(std::string_view raw_value, const AnsiCodec& cp932) {
  // Unfolded first, so that no line break stays inside a quoted address.
  std::string unfolded(raw_value);
  unfolded.erase(std::remove_if(unfolded.begin(), unfolded.end(),
                                [](char c) { return c == '\r' || c == '\n'; }),
                 unfolded.end());
  std::vector<Mailbox> mailboxes;
  MailboxBuilder builder(cp932, mailboxes);
  for (const Token& token : Tokenizer(unfolded).Tokens()) builder.Add(token);
  builder.Finish();
  return mailboxes;
}

std::u16string FormatMailbox(const Mailbox& mailbox) {
  if (mailbox.name.empty()) return mailbox.address;
  if (mailbox.address.empty()) return mailbox.name;
  return mailbox.name + u" <" + mailbox.address + u">";
}

}  // namespace vorenta
