#pragma once
// The program's version: the one place it is written. The resource script
// reads the macros for the executable's version record; the release script
// reads VORENTA_VERSION_TEXT for the archive's name.

#define VORENTA_VERSION_MAJOR 1
#define VORENTA_VERSION_MINOR 0
#define VORENTA_VERSION_TEXT "1.00"

#ifndef RC_INVOKED
namespace vorenta {

inline constexpr char16_t kVersionText[] = u"" VORENTA_VERSION_TEXT;

}  // namespace vorenta
#endif
