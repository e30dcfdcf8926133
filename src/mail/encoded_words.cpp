#include "mail/encoded_words.h"

#include <algorithm>

#include "mail/transfer_encodings.h"

namespace vorenta {

namespace {

// Longer labels are no charset this program knows.
constexpr size_t kMaxLabelLength = 40;

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

bool IsOnlySpace(std::string_view text) { return std::all_of(text.begin(), text.end(), IsSpace); }

bool NeedsCharsetGuess(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return c == '\x1b' || static_cast<unsigned char>(c) >= 0x80; });
}

// Line breaks inside decoded text become one space each.
void AppendAsOneLine(std::u16string_view text, std::u16string& out) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += u' ';
    } else {
      out += text[i];
    }
  }
}

class HeaderTextWriter {
 public:
  HeaderTextWriter(const AnsiCodec& cp932, std::u16string& out) : cp932_(cp932), out_(out) {}

  void Literal(std::string_view text) {
    if (text.empty()) return;
    FlushWords();
    if (NeedsCharsetGuess(text)) {
      AppendAsOneLine(DecodeUnlabelled(text, cp932_).text, out_);
    } else {
      for (char c : text) out_ += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
  }

  // between: the text since the previous word, dropped when it is white
  // space after a word.
  void Word(std::string_view between, const EncodedWord& word) {
    if (!(pending_charset_ && IsOnlySpace(between))) Literal(between);
    if (pending_charset_ && *pending_charset_ != word.charset) FlushWords();
    pending_charset_ = word.charset;
    pending_bytes_ += word.bytes;
  }

  void FlushWords() {
    if (!pending_charset_) return;
    AppendAsOneLine(DecodeAs(*pending_charset_, pending_bytes_, cp932_).text, out_);
    pending_charset_.reset();
    pending_bytes_.clear();
  }

 private:
  const AnsiCodec& cp932_;
  std::u16string& out_;
  std::optional<Charset> pending_charset_;
  std::string pending_bytes_;
};

std::string Unfold(std::string_view raw_value) {
  std::string unfolded;
  unfolded.reserve(raw_value.size());
  for (char c : raw_value) {
    if (c != '\r' && c != '\n') unfolded += c;
  }
  return unfolded;
}

}  // namespace

std::optional<EncodedWord> ReadEncodedWord(std::string_view text) {
  if (text.substr(0, 2) != "=?") return std::nullopt;
  const size_t label_end = text.find('?', 2);
  if (label_end == std::string_view::npos || label_end - 2 > kMaxLabelLength) return std::nullopt;
  std::string_view label = text.substr(2, label_end - 2);
  if (std::any_of(label.begin(), label.end(), IsSpace)) return std::nullopt;
  label = label.substr(0, label.find('*'));
  const std::optional<Charset> charset = CharsetFromLabel(label);
  if (!charset || label_end + 2 >= text.size() || text[label_end + 2] != '?') return std::nullopt;
  const char encoding = text[label_end + 1];
  const bool base64 = encoding == 'B' || encoding == 'b';
  if (!base64 && encoding != 'Q' && encoding != 'q') return std::nullopt;
  const size_t start = label_end + 3;
  size_t end = start;
  while (end < text.size() && text[end] != '?' && !IsSpace(text[end])) ++end;
  if (end + 1 >= text.size() || text[end] != '?' || text[end + 1] != '=') return std::nullopt;
  const std::string_view encoded = text.substr(start, end - start);
  EncodedWord word{*charset, base64 ? DecodeBase64(encoded) : DecodeQuotedPrintable(encoded, true),
                   end + 2};
  return word;
}

std::u16string DecodeHeaderText(std::string_view raw_value, const AnsiCodec& cp932) {
  const std::string text = Unfold(raw_value);
  std::u16string out;
  out.reserve(text.size());
  HeaderTextWriter writer(cp932, out);
  size_t literal_start = 0;
  size_t pos = text.find("=?");
  while (pos != std::string::npos) {
    const std::optional<EncodedWord> word = ReadEncodedWord(std::string_view(text).substr(pos));
    if (!word) {
      pos = text.find("=?", pos + 1);
      continue;
    }
    writer.Word(std::string_view(text).substr(literal_start, pos - literal_start), *word);
    literal_start = pos + word->length;
    pos = text.find("=?", literal_start);
  }
  writer.Literal(std::string_view(text).substr(literal_start));
  writer.FlushWords();
  return out;
}

}  // namespace vorenta
