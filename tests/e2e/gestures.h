#pragma once
// The user's gestures on the Vorenta window, made of real clicks and keys.
// They only act; callers wait for and check the results.

#include <windows.h>

#include <string>

namespace vorenta_e2e {

// Control IDs the program gives its controls.
inline constexpr int kSearchButton = 101;  // Search button
inline constexpr int kMailPane = 102;      // mail pane
inline constexpr int kKeywordList = 103;   // keyword list
inline constexpr int kAddressBox = 104;    // URL box
inline constexpr int kKeywordBox = 105;    // keyword entry

// Puts the mail on the clipboard, clicks into the mail pane and presses Enter.
bool PasteMail(HWND window, const std::u16string& mail);
// Right-click on the Search button.
void ToggleKeywordPanel(HWND window);
// Replaces the entry box's text by typing and presses Enter in it.
void EnterKeyword(HWND window, const std::u16string& keyword);
// Left click on the Search button.
void Search(HWND window);
void ClickMailLine(HWND window, int index);

}  // namespace vorenta_e2e
