#include "gestures.h"

#include "clipboard_text.h"
#include "control_state.h"
#include "real_input.h"

namespace vorenta_e2e {

bool PasteMail(HWND window, const std::u16string& mail) {
  HWND pane = GetDlgItem(window, kMailPane);
  // Below the items of a short mail, so the click selects nothing new. On a
  // longer mail it lands on a line and may copy its address: the mail goes
  // on the clipboard after the click.
  RECT client{};
  GetClientRect(pane, &client);
  Click(ClientToScreenPoint(pane, client.right / 2, client.bottom - 12));
  if (!SetClipboardText(mail)) return false;
  PressKey(VK_RETURN);
  return true;
}

void ToggleKeywordPanel(HWND window) {
  Click(CenterOf(GetDlgItem(window, kSearchButton)), MouseButton::kRight);
}

void EnterKeyword(HWND window, const std::u16string& keyword) {
  Click(CenterOf(GetDlgItem(window, kKeywordBox)));
  PressKey(VK_END);
  PressKey(VK_HOME, kShift);
  if (keyword.empty()) {
    PressKey(VK_DELETE);
  } else {
    TypeText(keyword);
  }
  PressKey(VK_RETURN);
}

void Search(HWND window) { Click(CenterOf(GetDlgItem(window, kSearchButton))); }

void ClickMailLine(HWND window, int index) {
  Click(ListItemPoint(GetDlgItem(window, kMailPane), index));
}

}  // namespace vorenta_e2e
