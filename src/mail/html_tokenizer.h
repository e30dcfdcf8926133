#pragma once
// Splits HTML into text runs and tags in one pass, the way a browser's
// tokenizer does: comments, doctypes and other "<!...>" or "<?...>" markup
// are dropped; a '<' that starts no tag is text; a tag cut off by the end of
// the input is dropped. After a script, style, title, textarea, xmp and the
// like, everything up to the matching end tag is one run of raw text.

#include <string_view>
#include <vector>

#include "mail/html_tags.h"

namespace vorenta::html {

struct Attribute {
  std::u16string_view name;   // as written
  std::u16string_view value;  // as written, references not decoded
};

struct Token {
  enum class Kind { kText, kStartTag, kEndTag };
  Kind kind = Kind::kText;
  // kText: the run as written. raw_of is the element whose raw text it is,
  // kOther for ordinary text (where '&' starts a reference).
  std::u16string_view text;
  Tag raw_of = Tag::kOther;
  // Tags.
  std::u16string_view name;  // as written
  Tag tag = Tag::kOther;
  std::vector<Attribute> attributes;  // start tags only, in the order written
};

class Tokenizer {
 public:
  explicit Tokenizer(std::u16string_view html) : html_(html) {}

  // The next token; false at the end of the input.
  bool Next(Token& token);

 private:
  bool ReadRawText(Token& token);
  // The markup at pos_, which is '<': true when it was a tag.
  bool ReadMarkup(Token& token);
  bool ReadTag(Token& token, bool end_tag);
  void SkipComment();
  void SkipPast(char16_t c);
  bool StartsMarkup(size_t lt) const;

  std::u16string_view html_;
  size_t pos_ = 0;
  Tag raw_ = Tag::kOther;  // the element whose raw text comes next
};

}  // namespace vorenta::html
