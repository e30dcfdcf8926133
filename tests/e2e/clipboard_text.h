#pragma once
// The real clipboard, shared with the program under test.

#include <optional>
#include <string>
#include <vector>

namespace vorenta_e2e {

bool SetClipboardText(const std::u16string& text);
// The text and, beside it, the "HTML Format" a browser's copy leaves.
bool SetClipboardTextAndHtml(const std::u16string& text, const std::string& html_format);
// Files as Explorer's copy leaves them (CF_HDROP).
bool SetClipboardFiles(const std::vector<std::wstring>& paths);
// Empty when the clipboard holds no text or cannot be opened.
std::optional<std::u16string> ClipboardText();

}  // namespace vorenta_e2e
