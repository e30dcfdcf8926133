#pragma once
// The main window. It creates the five controls and turns window messages
// into calls of WindowLogic's handlers; all behaviour stays in WindowLogic.

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/dropped_data.h"
#include "ui/win32/win32_control.h"
#include "ui/win32/win32_list_box.h"
#include "ui/win32/win32_main_window.h"
#include "ui/win32/win32_push_button.h"
#include "ui/win32/win32_text_box.h"
#include "ui/win32/window_fonts.h"
#include "ui/window_logic.h"

namespace vorenta {

// The IDs by which tools find the controls; the tab order follows them.
inline constexpr int kSearchButtonId = 101;
inline constexpr int kMailPaneId = 102;
inline constexpr int kKeywordListId = 103;
inline constexpr int kAddressBoxId = 104;
inline constexpr int kKeywordBoxId = 105;

inline constexpr wchar_t kWindowCaption[] = L"Vorenta";
inline constexpr wchar_t kWindowClass[] = L"VorentaForm1";
inline constexpr int kAppIconId = 1;

class AppWindow {
 public:
  explicit AppWindow(HINSTANCE instance);
  ~AppWindow();
  AppWindow(const AppWindow&) = delete;
  AppWindow& operator=(const AppWindow&) = delete;

  // The window, not yet shown, with its controls at their design places and
  // a client area of the design size. False when Windows refused.
  bool Create();
  // From now on events reach the window logic, and drops on the mail pane
  // and the keyword list are taken
  // (OLE must be initialised on this thread); its commands join the
  // system menu. `query_unload` runs when the window is about to close,
  // whichever way it closes: false keeps the window open. `may_ask` is false
  // when Windows is ending the session and nothing may wait for the user.
  void Attach(WindowLogic& logic, std::function<bool(bool may_ask)> query_unload);
  // Lays the controls out, shows the window and puts the focus on the
  // Search button.
  void Show(int show_command);
  // Until the window is destroyed; Tab and Shift+Tab move between controls.
  int RunMessageLoop();

  HWND hwnd() const { return hwnd_; }
  int dpi() const { return dpi_.value; }
  Win32PushButton& search_button() { return *search_button_; }
  Win32ListBox& mail_pane() { return *mail_pane_; }
  Win32ListBox& keyword_list() { return *keyword_list_; }
  Win32TextBox& address_box() { return *address_box_; }
  Win32TextBox& keyword_box() { return *keyword_box_; }
  Win32MainWindow& window() { return *window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  // The controls with handlers have their window procedure replaced (not
  // SetWindowSubclass: under Wine that makes every message of a busy list
  // about ten times dearer); the original one is called on.
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  void TakeOverMessages(HWND control, WNDPROC& original);
  LRESULT CallOriginal(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
  LRESULT HandleControlMessage(int control_id, HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleButtonMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMailPaneMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  // The keyword box and the address box: Enter reaches the control and its
  // handler, and no line break reaches the text.
  LRESULT HandleBoxMessage(HWND hwnd, UINT message, WPARAM w, LPARAM l,
                           void (WindowLogic::*on_key)(int, int));
  // Keys that mean the same wherever the focus is in the window; true when
  // the message was taken.
  bool TakeWindowKey(const MSG& message);

  bool CreateControls();
  void NameControls();
  void ApplyFonts(std::unique_ptr<WindowFonts> fonts);
  int WidestMailLine(const std::vector<std::u16string>& lines) const;
  static int LineHeight(HWND control, HFONT font);
  void DrawMailPaneItem(const DRAWITEMSTRUCT& item);
  void DrawKeywordListItem(const DRAWITEMSTRUCT& item);
  void PlaceControls();
  void OnCommand(int control_id, int notification);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void KeepMinimumSize(MINMAXINFO& limits) const;
  void RememberFocus();
  void RestoreFocus();
  // True when the window may close.
  bool QueryUnloadOnce(bool may_ask);
  void RegisterDropTargets();
  void AddSystemMenuItems();
  void UpdateSystemMenuItems(HMENU menu);
  bool OnSystemCommand(WPARAM command);
  LRESULT OnKeywordListKey(WPARAM w);
  void OnEndSession(bool ending);
  void OnDestroy();

  // The empty mail pane's hint and the pane's own menu
  // (app_window_mail_pane.cpp).
  LRESULT PaintMailPane(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  void OnMailPaneSized(HWND hwnd);
  void ShowMailPaneMenu(LPARAM at);

  LRESULT OnMailPaneButtonDown(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT OnMailPaneButtonUp(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  void DragSelectedLines();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  WNDPROC search_button_proc_ = nullptr;
  WNDPROC mail_pane_proc_ = nullptr;
  WNDPROC keyword_box_proc_ = nullptr;
  WNDPROC address_box_proc_ = nullptr;
  int mail_line_height_ = 0;
  int keyword_line_height_ = 0;
  WindowDpi dpi_;
  std::unique_ptr<WindowFonts> fonts_;
  std::unique_ptr<Win32PushButton> search_button_;
  std::unique_ptr<Win32ListBox> mail_pane_;
  std::unique_ptr<Win32ListBox> keyword_list_;
  std::unique_ptr<Win32TextBox> address_box_;
  std::unique_ptr<Win32TextBox> keyword_box_;
  std::unique_ptr<Win32MainWindow> window_;

  WindowLogic* logic_ = nullptr;
  std::function<bool(bool)> query_unload_;
  bool unloaded_ = false;
  bool drop_target_registered_ = false;
  bool keyword_drop_target_registered_ = false;
  HWND last_focus_ = nullptr;

  // A left press on a mail line that has not been released yet.
  bool mail_pane_pressed_ = false;
  // The mail pane is handling a key: a selection change now comes from it.
  bool mail_pane_keyboard_ = false;
  // Lines dragged out of the mail pane must not drop back into it.
  bool dragging_out_ = false;
  // A drop taken and not yet handled, on the mail pane and on the keyword
  // list.
  std::unique_ptr<DroppedData> pending_drop_;
  std::unique_ptr<DroppedData> pending_keyword_drop_;
  static constexpr UINT kDropReceived = WM_APP + 1;
  static constexpr UINT kKeywordDropReceived = WM_APP + 2;
};

}  // namespace vorenta
