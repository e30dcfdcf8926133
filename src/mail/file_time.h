#pragma once
// A FILETIME as the mail pane shows it.

#include <cstdint>
#include <string>

namespace vorenta {

// "yyyy/MM/dd HH:mm" for a FILETIME (100-nanosecond ticks since 1601-01-01
// UTC) moved by the caller's offset from UTC. Plain calendar arithmetic,
// so any value gives a date: years before 1 are written with a minus sign.
std::u16string FormatFileTime(std::int64_t filetime, int utc_offset_minutes);

}  // namespace vorenta
