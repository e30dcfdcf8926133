#include "core/mail_text.h"

namespace vorenta {

bool MailLineReader::Next(std::u16string_view& line) {
  if (done_ || text_.empty()) return false;
  const size_t cr = text_.find(u'\r', pos_);
  const size_t end = cr == std::u16string_view::npos ? text_.size() : cr;
  line = text_.substr(pos_, end - pos_);
  if (line.find(u'\n') != std::u16string_view::npos) {
    joined_.clear();
    for (char16_t c : line) {
      if (c != u'\n') joined_ += c;
    }
    line = joined_;
  }
  // The piece after the last CR is a line too, empty or not.
  if (cr == std::u16string_view::npos) {
    done_ = true;
  } else {
    pos_ = cr + 1;
  }
  return true;
}

}  // namespace vorenta
