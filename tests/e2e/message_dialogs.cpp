#include "message_dialogs.h"

#include "text_convert.h"
#include "windows_of_process.h"

namespace vorenta_e2e {

namespace {

std::u16string TextOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return U16(text);
}

struct ButtonSearch {
  std::u16string label;
  HWND found;
};

BOOL CALLBACK CollectText(HWND control, LPARAM param) {
  auto* text = reinterpret_cast<std::u16string*>(param);
  const std::u16string part = TextOf(control);
  if (!part.empty()) *text += part + u"\n";
  return TRUE;
}

BOOL CALLBACK MatchButton(HWND control, LPARAM param) {
  auto* search = reinterpret_cast<ButtonSearch*>(param);
  wchar_t class_name[16] = {};
  GetClassNameW(control, class_name, 16);
  if (_wcsicmp(class_name, L"Button") != 0 || TextOf(control).rfind(search->label, 0) != 0) {
    return TRUE;
  }
  search->found = control;
  return FALSE;
}

}  // namespace

HWND FindDialogOf(DWORD process_id) {
  return vorenta::testing::FindTopLevelWindow(process_id, L"#32770");
}

std::u16string DialogText(HWND dialog) {
  std::u16string text;
  EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&text));
  return text;
}

bool PressDialogButton(HWND dialog, const std::u16string& label) {
  ButtonSearch search{label, nullptr};
  EnumChildWindows(dialog, MatchButton, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  // What the button tells its dialog when it is clicked.
  return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
                      reinterpret_cast<LPARAM>(search.found)) != FALSE;
}

bool PopupMenuIsOpen(DWORD process_id) {
  for (HWND menu = FindWindowW(L"#32768", nullptr); menu;
       menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    if (owner == process_id && IsWindowVisible(menu)) return true;
  }
  return false;
}

}  // namespace vorenta_e2e
