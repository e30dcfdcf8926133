// Mouse and keyboard messages of the controls that have handlers: the
// Search button, the mail pane, the keyword entry box and the address box.

#include "ui/win32/app_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/win32/drag_threshold.h"
#include "ui/win32/ole_text_source.h"

namespace vorenta {

namespace {

int KeyModifiers() {
  return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) |
         (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) | (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

// Mouse messages carry Shift and Ctrl; Alt has to be asked for.
int MouseModifiers(WPARAM w) {
  return ((w & MK_SHIFT) ? kShiftMask : 0) | ((w & MK_CONTROL) ? kCtrlMask : 0) |
         (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

// Enter must reach the control rather than the dialog manager, which would
// turn it into a default-button command; Tab still moves the focus.
LRESULT WantEnter(LPARAM l) {
  const auto* message = reinterpret_cast<const MSG*>(l);
  if (message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
      message->wParam == VK_RETURN) {
    return DLGC_WANTMESSAGE;
  }
  return 0;
}

bool IsLineBreakChar(WPARAM w) { return w == L'\r' || w == L'\n'; }

// Esc must reach the mail pane, which clears its selection with it, rather
// than the dialog manager, which would turn it into a cancel command.
LRESULT WantEscape(LPARAM l) {
  const auto* message = reinterpret_cast<const MSG*>(l);
  if (message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
      message->wParam == VK_ESCAPE) {
    return DLGC_WANTMESSAGE;
  }
  return 0;
}

}  // namespace

void AppWindow::TakeOverMessages(HWND control, WNDPROC& original) {
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
}

LRESULT CALLBACK AppWindow::ControlProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<AppWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const LRESULT result = self->CallOriginal(hwnd, message, w, l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return result;
  }
  return self->HandleControlMessage(GetDlgCtrlID(hwnd), hwnd, message, w, l);
}

LRESULT AppWindow::CallOriginal(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  WNDPROC original = nullptr;
  if (search_button_ && hwnd == search_button_->hwnd()) original = search_button_proc_;
  if (mail_pane_ && hwnd == mail_pane_->hwnd()) original = mail_pane_proc_;
  if (keyword_box_ && hwnd == keyword_box_->hwnd()) original = keyword_box_proc_;
  if (address_box_ && hwnd == address_box_->hwnd()) original = address_box_proc_;
  // Controls not yet or no longer wrapped: by their identifiers.
  if (!original) {
    switch (GetDlgCtrlID(hwnd)) {
      case kSearchButtonId:
        original = search_button_proc_;
        break;
      case kMailPaneId:
        original = mail_pane_proc_;
        break;
      case kKeywordBoxId:
        original = keyword_box_proc_;
        break;
      case kAddressBoxId:
        original = address_box_proc_;
        break;
    }
  }
  return original ? CallWindowProcW(original, hwnd, message, w, l)
                  : DefWindowProcW(hwnd, message, w, l);
}

LRESULT AppWindow::HandleControlMessage(int control_id, HWND hwnd, UINT message, WPARAM w,
                                        LPARAM l) {
  if (logic_) {
    switch (control_id) {
      case kSearchButtonId:
        return HandleButtonMessage(hwnd, message, w, l);
      case kMailPaneId:
        return HandleMailPaneMessage(hwnd, message, w, l);
      case kKeywordBoxId:
        return HandleBoxMessage(hwnd, message, w, l, &WindowLogic::OnKeywordBoxKey);
      case kAddressBoxId:
        return HandleBoxMessage(hwnd, message, w, l, &WindowLogic::OnAddressBoxKey);
    }
  }
  return CallOriginal(hwnd, message, w, l);
}

LRESULT AppWindow::HandleButtonMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    // A quick second press arrives as a double-click; it is a press all the
    // same, so two quick right-clicks toggle the panel twice.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      logic_->OnSearchButtonDown(kButtonLeft, MouseModifiers(w));
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      logic_->OnSearchButtonDown(kButtonRight, MouseModifiers(w));
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      logic_->OnSearchButtonDown(kButtonMiddle, MouseModifiers(w));
      break;
  }
  return CallOriginal(hwnd, message, w, l);
}

LRESULT AppWindow::HandleMailPaneMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_GETDLGCODE:
      return CallOriginal(hwnd, message, w, l) | WantEnter(l) | WantEscape(l);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      logic_->OnMailPaneKey(static_cast<int>(w), KeyModifiers());
      [[fallthrough]];
    case WM_CHAR: {
      if (message == WM_CHAR && (IsLineBreakChar(w) || w == VK_ESCAPE)) return 0;
      // Moving through the lines with the keys is a click on the new line.
      mail_pane_keyboard_ = true;
      const LRESULT result = CallOriginal(hwnd, message, w, l);
      mail_pane_keyboard_ = false;
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnMailPaneButtonDown(hwnd, message, w, l);
    case WM_LBUTTONUP:
      return OnMailPaneButtonUp(hwnd, message, w, l);
    case WM_PAINT:
      return PaintMailPane(hwnd, message, w, l);
    case WM_SIZE:
      OnMailPaneSized(hwnd);
      break;
    case WM_CONTEXTMENU:
      ShowMailPaneMenu(l);
      return 0;
  }
  return CallOriginal(hwnd, message, w, l);
}

LRESULT AppWindow::HandleBoxMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l,
                                    void (WindowLogic::*on_key)(int, int)) {
  switch (message) {
    case WM_GETDLGCODE:
      return CallOriginal(hwnd, message, w, l) | WantEnter(l);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      (logic_->*on_key)(static_cast<int>(w), KeyModifiers());
      break;
    case WM_CHAR:
      // A one-line edit control beeps at a line break.
      if (IsLineBreakChar(w)) return 0;
      break;
  }
  return CallOriginal(hwnd, message, w, l);
}

bool AppWindow::TakeWindowKey(const MSG& message) {
  if (!logic_ || !hwnd_ || message.message != WM_KEYDOWN) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  return logic_->OnWindowKey(static_cast<int>(message.wParam), KeyModifiers());
}

// A press on a line that is already selected may start a drag of the
// selected lines; if the mouse is released first it is an ordinary click.
// Shift and Ctrl presses always select as in any list box.
LRESULT AppWindow::OnMailPaneButtonDown(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  const POINT point{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  const int item = mail_pane_->ItemAt(point);
  mail_pane_pressed_ = item != ListBox::kNoItem;
  if (!mail_pane_pressed_ || !mail_pane_->IsSelected(item) || (w & (MK_SHIFT | MK_CONTROL))) {
    return CallOriginal(hwnd, message, w, l);
  }
  // A press focuses a list box, whether it turns into a click or a drag.
  SetFocus(hwnd);
  if (PressBecomesDrag(hwnd, point)) {
    mail_pane_pressed_ = false;
    DragSelectedLines();
    return 0;
  }
  // The release was consumed while watching for a drag: hand the list box
  // both halves of the click.
  CallOriginal(hwnd, message, w, l);
  return OnMailPaneButtonUp(hwnd, WM_LBUTTONUP, w & ~static_cast<WPARAM>(MK_LBUTTON), l);
}

// The click is taken at the release, whether or not the selection changed,
// so that clicking the line that is already selected copies its address
// again.
LRESULT AppWindow::OnMailPaneButtonUp(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  const LRESULT result = CallOriginal(hwnd, message, w, l);
  if (mail_pane_pressed_) {
    mail_pane_pressed_ = false;
    if (logic_) logic_->OnMailLineClick();
  }
  return result;
}

LRESULT AppWindow::OnKeywordListKey(WPARAM w) {
  if (logic_) logic_->OnKeywordListKey(LOWORD(w), KeyModifiers());
  // The list box moves its caret as usual; a removed keyword has already gone.
  return -1;
}

void AppWindow::DragSelectedLines() {
  dragging_out_ = true;
  if (logic_) DragText(logic_->SelectedLinesText());
  dragging_out_ = false;
}

}  // namespace vorenta
