#include "clipboard_text.h"

#include <windows.h>

#include <shlobj.h>

#include "fake_data_object.h"
#include "text_convert.h"
#include "wait_until.h"

namespace vorenta_e2e {

namespace {

// Another process (the program, Wine's clipboard manager) may hold it briefly.
bool OpenClipboardPatiently() {
  return WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(3));
}

}  // namespace

bool SetClipboardText(const std::u16string& text) { return SetClipboardTextAndHtml(text, {}); }

bool SetClipboardTextAndHtml(const std::u16string& text, const std::string& html_format) {
  const std::wstring wide = Wide(text);
  HGLOBAL memory = vorenta::testing::GlobalWithBytes(std::string(
      reinterpret_cast<const char*>(wide.c_str()), (wide.size() + 1) * sizeof(wchar_t)));
  HGLOBAL html =
      html_format.empty() ? nullptr : vorenta::testing::GlobalWithBytes(html_format + '\0');
  if (!memory || !OpenClipboardPatiently()) {
    if (memory) GlobalFree(memory);
    if (html) GlobalFree(html);
    return false;
  }
  EmptyClipboard();
  bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!ok) GlobalFree(memory);
  if (html) {
    const bool html_set =
        SetClipboardData(RegisterClipboardFormatW(L"HTML Format"), html) != nullptr;
    if (!html_set) GlobalFree(html);
    ok = ok && html_set;
  }
  CloseClipboard();
  return ok;
}

bool SetClipboardFiles(const std::vector<std::wstring>& paths) {
  HGLOBAL memory = vorenta::testing::GlobalWithBytes(vorenta::testing::DroppedFilesBytes(paths));
  if (!memory || !OpenClipboardPatiently()) {
    if (memory) GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool ok = SetClipboardData(CF_HDROP, memory) != nullptr;
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
