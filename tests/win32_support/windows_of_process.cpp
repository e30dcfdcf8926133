#include "windows_of_process.h"

#include <string>

namespace vorenta::testing {

namespace {

struct WindowSearch {
  DWORD process_id;
  const wchar_t* class_name;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->process_id || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t text[64] = {};
  GetClassNameW(hwnd, text, 64);
  if (std::wstring(text) != search->class_name) return TRUE;
  if (search->caption) {
    GetWindowTextW(hwnd, text, 64);
    if (std::wstring(text) != search->caption) return TRUE;
  }
  search->found = hwnd;
  return FALSE;
}

}  // namespace

void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HWND FindTopLevelWindow(DWORD process_id, const wchar_t* class_name, const wchar_t* caption) {
  WindowSearch search{process_id, class_name, caption, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace vorenta::testing
