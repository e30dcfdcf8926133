#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

// The lines of a mail as the mail pane shows them: every LF is deleted first
// (so LF alone is not a line break), then the text is split at each CR. An
// empty text has no lines; a CR at the end gives an empty last line.
std::vector<std::u16string> SplitMailText(const std::u16string& mail_text);

// Something that hands out lines one at a time.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line, valid until the next call; false after the last one.
  virtual bool Next(std::u16string_view& line) = 0;
};

// The lines SplitMailText gives, read one at a time from the text without
// copying it: a large mail is never held twice.
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
