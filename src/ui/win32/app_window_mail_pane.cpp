// What the mail pane offers before and around a paste: the hint it draws
// while empty, and its own menu (a right-click, Shift+F10 or the
// context-menu key in the pane).

#include <windowsx.h>

#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"
#include "ui/win32/app_window.h"
#include "ui/win32/list_hint_drawing.h"

namespace vorenta {

namespace {

// Menu ids start at 1: TrackPopupMenuEx returns 0 when nothing was chosen.
UINT MenuIdOf(MailPaneCommand command) { return static_cast<UINT>(command) + 1; }

}  // namespace

LRESULT AppWindow::PaintMailPane(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  const std::u16string_view hint = logic_->MailPaneHint();
  // A device context of the caller's (a print) gets the list as it is.
  if (hint.empty() || w != 0) return CallOriginal(hwnd, message, w, l);
  const Painting painting(hwnd);
  // The list box paints its background and focus into the same clipped
  // context; the hint goes over them.
  CallOriginal(hwnd, message, reinterpret_cast<WPARAM>(painting.dc()), 0);
  RECT client{};
  GetClientRect(hwnd, &client);
  DrawListHint(painting.dc(), client, fonts_ ? fonts_->message() : nullptr, hint);
  return 0;
}

void AppWindow::OnMailPaneSized(HWND hwnd) {
  // The hint is centred and wrapped to the width: all of it moves.
  if (!logic_->MailPaneHint().empty()) InvalidateRect(hwnd, nullptr, TRUE);
}

void AppWindow::ShowMailPaneMenu(LPARAM at) {
  const HWND pane = mail_pane_->hwnd();
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) {
    // From the keyboard: under the current line while it is in view, else
    // at the pane's top left corner.
    RECT client{}, line{};
    GetClientRect(pane, &client);
    point = {client.left, client.top};
    const int current = mail_pane_->CurrentIndex();
    if (current != ListBox::kNoItem &&
        SendMessageW(pane, LB_GETITEMRECT, static_cast<WPARAM>(current),
                     reinterpret_cast<LPARAM>(&line)) != LB_ERR &&
        line.bottom > client.top && line.bottom <= client.bottom) {
      point = {client.left, line.bottom};
    }
    ClientToScreen(pane, &point);
  } else {
    // As in any list, the right-click puts the focus where the menu acts.
    SetFocus(pane);
  }

  const UniqueMenu menu(CreatePopupMenu());
  if (!menu.get()) return;
  for (const MailPaneMenuItem& item : logic_->MailPaneMenu()) {
    if (item.separator_before) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED),
                MenuIdOf(item.command), ToWide(item.text).c_str());
  }
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                         point.x, point.y, hwnd_, nullptr));
  // The window may have closed while the menu was open.
  if (chosen == 0 || !logic_) return;
  for (const MailPaneMenuItem& item : logic_->MailPaneMenu()) {
    if (MenuIdOf(item.command) == chosen && item.enabled) logic_->RunMailPaneCommand(item.command);
  }
}

}  // namespace vorenta
