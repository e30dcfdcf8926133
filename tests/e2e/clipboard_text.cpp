#include "clipboard_text.h"

#include <windows.h>

#include <cstring>

#include "text_convert.h"
#include "wait_until.h"

namespace vorenta_e2e {

namespace {

// Another process (the program, Wine's clipboard manager) may hold it briefly.
bool OpenClipboardPatiently() {
  return WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(3));
}

}  // namespace

bool SetClipboardText(const std::u16string& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), Wide(text).c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboardPatiently()) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!ok) GlobalFree(memory);
  CloseClipboard();
  return ok;
}

std::optional<std::u16string> ClipboardText() {
  if (!OpenClipboardPatiently()) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (chars) {
      const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
      size_t length = 0;
      while (length < capacity && chars[length] != L'\0') ++length;
      text = U16(std::wstring(chars, length));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace vorenta_e2e
