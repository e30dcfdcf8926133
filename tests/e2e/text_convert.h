#pragma once
// The tests speak std::u16string like the program; Win32 wants wchar_t.

#include <string>

namespace vorenta_e2e {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");

inline std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
inline std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

// Readable form of a UTF-16 string in a failure message.
std::string Utf8(const std::u16string& s);

}  // namespace vorenta_e2e
