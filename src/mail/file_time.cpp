#include "mail/file_time.h"

namespace vorenta {

namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kDaysFrom1601To1970 = 134'774;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct Date {
  std::int64_t year;
  int month;
  int day;
};

// Days since 1970-01-01 to a proleptic Gregorian date, counting in 400-year
// eras that start on 1 March so that the leap day ends each year.
Date DateOfDay(std::int64_t days) {
  days += 719'468;  // from 0000-03-01
  const std::int64_t era = FloorDiv(days, 146'097);
  const std::int64_t day_of_era = days - era * 146'097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36'524 - day_of_era / 146'096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;  // 0 is March
  const int day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  const int month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  return {year_of_era + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

void AppendNumber(std::u16string& out, std::int64_t value, int width) {
  if (value < 0) {
    out += u'-';
    value = -value;
  }
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value > 0);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), u'0');
  out += digits;
}

}  // namespace

std::u16string FormatFileTime(std::int64_t filetime, int utc_offset_minutes) {
  // Seconds stay far inside 64 bits: |filetime| / 10^7 is below 10^12, the
  // offset in seconds below 1.3 * 10^11.
  const std::int64_t seconds =
      FloorDiv(filetime, kTicksPerSecond) + std::int64_t{utc_offset_minutes} * 60;
  const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
  const std::int64_t second_of_day = seconds - days * kSecondsPerDay;
  const Date date = DateOfDay(days - kDaysFrom1601To1970);

  std::u16string text;
  AppendNumber(text, date.year, 4);
  text += u'/';
  AppendNumber(text, date.month, 2);
  text += u'/';
  AppendNumber(text, date.day, 2);
  text += u' ';
  AppendNumber(text, second_of_day / 3600, 2);
  text += u':';
  AppendNumber(text, second_of_day % 3600 / 60, 2);
  return text;
}

}  // namespace vorenta
