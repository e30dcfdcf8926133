#pragma once
// The program's message and question windows, found and answered from outside.

#include <windows.h>

#include <string>
#include <vector>

namespace vorenta_e2e {

// A visible dialog window of the process, or nullptr.
HWND FindDialogOf(DWORD process_id);
// The texts of the dialog's controls, in z-order, joined by line breaks.
std::u16string DialogText(HWND dialog);
// Clicks the dialog's button whose text begins with `label`.
bool PressDialogButton(HWND dialog, const std::u16string& label);
// A menu of the process is open: the system menu or a context menu.
bool PopupMenuIsOpen(DWORD process_id);

}  // namespace vorenta_e2e
