#include "mail/mail_date.h"

#include <array>
#include <cstdio>

namespace vorenta {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

class DateReader {
 public:
  explicit DateReader(std::string_view text) : text_(text) {}

  // Skips white space, commas and comments.
  void SkipGaps() {
    int depth = 0;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '(') {
        ++depth;
      } else if (c == ')' && depth > 0) {
        --depth;
      } else if (depth == 0 && c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ',') {
        return;
      }
      ++pos_;
    }
  }

  std::string_view Word() {
    SkipGaps();
    const size_t start = pos_;
    while (pos_ < text_.size() && IsLetter(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  // A number of min_digits to max_digits digits; -1 when there is none.
  int Number(size_t min_digits, size_t max_digits, bool skip_gaps = true) {
    if (skip_gaps) SkipGaps();
    const size_t start = pos_;
    int value = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_]) && pos_ - start < max_digits) {
      value = value * 10 + (text_[pos_++] - '0');
    }
    if (pos_ - start < min_digits || (pos_ < text_.size() && IsDigit(text_[pos_]))) return -1;
    return value;
  }

  bool Colon() {
    if (pos_ < text_.size() && text_[pos_] == ':') {
      ++pos_;
      return true;
    }
    return false;
  }

  bool AtDigit() {
    SkipGaps();
    return pos_ < text_.size() && IsDigit(text_[pos_]);
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

int MonthNumber(std::string_view word) {
  constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                        "jul", "aug", "sep", "oct", "nov", "dec"};
  if (word.size() < 3) return 0;
  for (size_t m = 0; m < kMonths.size(); ++m) {
    if (Lower(word[0]) == kMonths[m][0] && Lower(word[1]) == kMonths[m][1] &&
        Lower(word[2]) == kMonths[m][2]) {
      return static_cast<int>(m) + 1;
    }
  }
  return 0;
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<std::u16string> FormatMailDate(std::string_view value) {
  DateReader reader(value);
  if (!reader.AtDigit()) reader.Word();  // the day of the week
  const int day = reader.Number(1, 2);
  const int month = MonthNumber(reader.Word());
  const int written_year = reader.Number(2, 4);
  const int hour = reader.Number(1, 2);
  if (!reader.Colon()) return std::nullopt;
  const int minute = reader.Number(2, 2, false);
  if (day < 1 || month == 0 || written_year < 0 || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59) {
    return std::nullopt;
  }
  // Two-digit years before 50 are this century's; three-digit ones count from 1900.
  int year = written_year;
  if (year < 50) {
    year += 2000;
  } else if (year < 1000) {
    year += 1900;
  }
  if (day > DaysInMonth(year, month)) return std::nullopt;
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", year, month, day, hour, minute);
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace vorenta
