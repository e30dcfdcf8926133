#pragma once
// The real clipboard. Text is read as CF_UNICODETEXT, or CF_TEXT in the ANSI
// code page when a program offered only that, and written as
// CF_UNICODETEXT, from which Windows derives the other text formats.

#include <windows.h>

#include "platform/clipboard.h"

namespace vorenta {

struct ClipboardRetry {
  int attempts = 20;
  DWORD pause_ms = 50;
};

class Win32Clipboard : public Clipboard {
 public:
  // The owner is the window that holds what is written.
  explicit Win32Clipboard(HWND owner, ClipboardRetry retry = {}) : owner_(owner), retry_(retry) {}

  std::optional<std::u16string> Text() override;
  // The wide text is used where it lies, while the clipboard is open.
  bool UseText(const std::function<void(std::u16string_view)>& use) override;
  // The block of the HTML format, locked while `use` runs.
  bool UseHtml(const std::function<void(std::optional<std::string_view>)>& use) override;
  std::vector<std::u16string> FileNames() override;
  bool Clear() override;
  bool SetText(const std::u16string& text) override;

 private:
  // Another program may hold the clipboard for a moment.
  bool Open();

  HWND owner_;
  ClipboardRetry retry_;
};

}  // namespace vorenta
