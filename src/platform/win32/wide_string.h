#pragma once
// The one crossing between the program's UTF-16 text and the wchar_t of the
// Win32 API. Header-only, so that every library that talks to Windows can
// use it without linking the window layer.

#include <cstddef>
#include <string>

namespace vorenta {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide strings are UTF-16");

inline std::wstring ToWide(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(const wchar_t* text, std::size_t length) {
  if (text == nullptr) return {};
  return std::u16string(text, text + length);
}

inline std::u16string FromWide(const std::wstring& text) {
  return FromWide(text.data(), text.size());
}

}  // namespace vorenta
