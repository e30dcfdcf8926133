#pragma once
// The real clipboard, shared with the program under test.

#include <optional>
#include <string>

namespace vorenta_e2e {

bool SetClipboardText(const std::u16string& text);
// Empty when the clipboard holds no text or cannot be opened.
std::optional<std::u16string> ClipboardText();

}  // namespace vorenta_e2e
