#pragma once
// Message pumping and top-level windows, as the Win32 and end-to-end tests
// need them.

#include <windows.h>

namespace vorenta::testing {

// Handles whatever is queued for this thread, without waiting.
void DispatchPending();

// Handles this thread's messages until WM_QUIT.
void RunMessageLoop();

// A visible top-level window of the process, of the class (and with the
// caption, when given); nullptr when there is none.
HWND FindTopLevelWindow(DWORD process_id, const wchar_t* class_name,
                        const wchar_t* caption = nullptr);

}  // namespace vorenta::testing
