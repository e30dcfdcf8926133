#include "platform/win32/win32_clipboard.h"

#include "platform/win32/dropped_files.h"
#include "platform/win32/global_text.h"
#include "platform/win32/scoped_win32.h"

namespace vorenta {

bool Win32Clipboard::Open() {
  for (int attempt = 0; attempt < retry_.attempts; ++attempt) {
    if (attempt > 0) Sleep(retry_.pause_ms);
    if (OpenClipboard(owner_)) return true;
  }
  return false;
}

std::optional<std::u16string> Win32Clipboard::Text() {
  if (!Open()) return std::nullopt;
  ClipboardOpened opened;
  if (HANDLE wide = GetClipboardData(CF_UNICODETEXT)) return ReadWideText(wide);
  if (HANDLE ansi = GetClipboardData(CF_TEXT)) return ReadAnsiText(ansi);
  return std::u16string();
}

bool Win32Clipboard::UseText(const std::function<void(std::u16string_view)>& use) {
  if (!Open()) return false;
  ClipboardOpened opened;
  if (HANDLE wide = GetClipboardData(CF_UNICODETEXT)) {
    UseWideText(wide, use);
  } else if (HANDLE ansi = GetClipboardData(CF_TEXT)) {
    use(ReadAnsiText(ansi));
  } else {
    use({});
  }
  return true;
}

bool Win32Clipboard::UseHtml(const std::function<void(std::optional<std::string_view>)>& use) {
  if (!Open()) return false;
  ClipboardOpened opened;
  const HANDLE html = HtmlClipboardFormat() ? GetClipboardData(HtmlClipboardFormat()) : nullptr;
  const LockedGlobal block(html);
  if (!block.data()) {
    use(std::nullopt);
  } else {
    use(std::string_view(static_cast<const char*>(block.data()), block.size()));
  }
  return true;
}

std::vector<std::u16string> Win32Clipboard::FileNames() {
  if (!Open()) return {};
  ClipboardOpened opened;
  return FileNamesOf(static_cast<HDROP>(GetClipboardData(CF_HDROP)));
}

bool Win32Clipboard::Clear() {
  if (!Open()) return false;
  ClipboardOpened opened;
  return EmptyClipboard() != FALSE;
}

bool Win32Clipboard::SetText(const std::u16string& text) {
  HGLOBAL memory = MakeWideText(text);
  if (!memory) return false;
  if (!Open()) {
    GlobalFree(memory);
    return false;
  }
  ClipboardOpened opened;
  // Emptying makes the owner window the clipboard's owner, which setting
  // data requires.
  if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

}  // namespace vorenta
