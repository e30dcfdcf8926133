#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

// Something that hands out lines one at a time.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line, valid until the next call; false after the last one.
  virtual bool Next(std::u16string_view& line) = 0;
};

// Lines that are already apart, handed out one at a time.
class ItemLines : public LineSource {
 public:
  explicit ItemLines(const std::vector<std::u16string>& items) : items_(items) {}
  bool Next(std::u16string_view& line) override {
    if (next_ >= items_.size()) return false;
    line = items_[next_++];
    return true;
  }

 private:
  const std::vector<std::u16string>& items_;
  size_t next_ = 0;
};

// The lines of a mail as the mail pane shows them, read one at a time from
// the text without copying it (a large mail is never held twice): every LF
// is deleted first (so LF alone is not a line break), then the text is split
// at each CR. An empty text has no lines; a CR at the end gives an empty
// last line.
class MailLineReader : public LineSource {
 public:
  explicit MailLineReader(std::u16string_view mail_text) : text_(mail_text) {}
  bool Next(std::u16string_view& line) override;

 private:
  std::u16string_view text_;
  size_t pos_ = 0;
  bool done_ = false;
  // A line that held LFs, without them.
  std::u16string joined_;
};

}  // namespace vorenta
