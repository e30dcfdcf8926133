// Mouse and keyboard messages of the controls that have handlers: the
// Search button, the mail pane and the keyword entry box.

#include "ui/win32/form1_window.h"

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

}  // namespace

void Form1Window::TakeOverMessages(HWND control, WNDPROC& original) {
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
}

LRESULT CALLBACK Form1Window::ControlProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const LRESULT result = self->CallOriginal(hwnd, message, w, l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return result;
  }
  return self->HandleControlMessage(GetDlgCtrlID(hwnd), hwnd, message, w, l);
}

LRESULT Form1Window::CallOriginal(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  WNDPROC original = nullptr;
  if (command1_ && hwnd == command1_->hwnd()) original = command1_proc_;
  if (list1_ && hwnd == list1_->hwnd()) original = list1_proc_;
  if (text2_ && hwnd == text2_->hwnd()) original = text2_proc_;
  // Controls not yet or no longer wrapped: by their identifiers.
  if (!original) {
    switch (GetDlgCtrlID(hwnd)) {
      case kCommand1Id:
        original = command1_proc_;
        break;
      case kList1Id:
        original = list1_proc_;
        break;
      case kText2Id:
        original = text2_proc_;
        break;
    }
  }
  return original ? CallWindowProcW(original, hwnd, message, w, l)
                  : DefWindowProcW(hwnd, message, w, l);
}

LRESULT Form1Window::HandleControlMessage(int control_id, HWND hwnd, UINT message, WPARAM w,
                                          LPARAM l) {
  if (form_) {
    switch (control_id) {
      case kCommand1Id:
        return HandleButtonMessage(hwnd, message, w, l);
      case kList1Id:
        return HandleMailPaneMessage(hwnd, message, w, l);
      case kText2Id:
        return HandleKeywordBoxMessage(hwnd, message, w, l);
    }
  }
  return CallOriginal(hwnd, message, w, l);
}

LRESULT Form1Window::HandleButtonMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    // A quick second press arrives as a double-click; it is a press all the
    // same, so two quick right-clicks toggle the panel twice.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      form_->Command1_MouseDown(kButtonLeft, MouseModifiers(w));
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      form_->Command1_MouseDown(kButtonRight, MouseModifiers(w));
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      form_->Command1_MouseDown(kButtonMiddle, MouseModifiers(w));
      break;
  }
  return CallOriginal(hwnd, message, w, l);
}

LRESULT Form1Window::HandleMailPaneMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_GETDLGCODE:
      return CallOriginal(hwnd, message, w, l) | WantEnter(l);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      form_->List1_KeyDown(static_cast<int>(w), KeyModifiers());
      [[fallthrough]];
    case WM_CHAR: {
      if (message == WM_CHAR && IsLineBreakChar(w)) return 0;
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
  }
  return CallOriginal(hwnd, message, w, l);
}

LRESULT Form1Window::HandleKeywordBoxMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_GETDLGCODE:
      return CallOriginal(hwnd, message, w, l) | WantEnter(l);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      form_->Text2_KeyDown(static_cast<int>(w), KeyModifiers());
      break;
    case WM_CHAR:
      // A one-line edit control beeps at a line break.
      if (IsLineBreakChar(w)) return 0;
      break;
  }
  return CallOriginal(hwnd, message, w, l);
}

// A press on a line that is already selected may start a drag of the
// selected lines; if the mouse is released first it is an ordinary click.
// Shift and Ctrl presses always select as in any list box.
LRESULT Form1Window::OnMailPaneButtonDown(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  const POINT point{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  const int item = list1_->ItemAt(point);
  mail_pane_pressed_ = item != ListBox::kNoItem;
  if (!mail_pane_pressed_ || !list1_->IsSelected(item) || (w & (MK_SHIFT | MK_CONTROL))) {
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
LRESULT Form1Window::OnMailPaneButtonUp(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  const LRESULT result = CallOriginal(hwnd, message, w, l);
  if (mail_pane_pressed_) {
    mail_pane_pressed_ = false;
    if (form_) form_->List1_Click();
  }
  return result;
}

LRESULT Form1Window::OnKeywordListKey(WPARAM w) {
  if (form_) form_->List2_KeyDown(LOWORD(w), KeyModifiers());
  // The list box moves its caret as usual; a removed keyword has already gone.
  return -1;
}

void Form1Window::DragSelectedLines() {
  dragging_out_ = true;
  if (form_) DragText(form_->SelectedLinesText());
  dragging_out_ = false;
}

}  // namespace vorenta
