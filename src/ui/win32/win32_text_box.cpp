#include "ui/win32/win32_text_box.h"

#include "platform/win32/wide_string.h"

namespace vorenta {

std::u16string Win32TextBox::Text() const {
  const int length = GetWindowTextLengthW(hwnd());
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd(), text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return FromWide(text);
}

void Win32TextBox::SetText(const std::u16string& text) {
  SetWindowTextW(hwnd(), ToWide(text).c_str());
}

}  // namespace vorenta
