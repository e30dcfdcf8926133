#include "ui/win32/app_window.h"

#include <commctrl.h>

#include <ole2.h>
#include <algorithm>

#include "mail/mail_file.h"
#include "platform/win32/scoped_win32.h"
#include "ui/layout.h"
#include "ui/win32/keyword_list_drawing.h"
#include "ui/win32/mail_pane_drawing.h"
#include "ui/win32/ole_drop_target.h"
#include "ui/win32/twips.h"

namespace vorenta {

namespace {

constexpr wchar_t kSearchCaption[] = L"\u691C\u7D22";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;

int DpiOf(HWND hwnd) {
  const UINT dpi = GetDpiForWindow(hwnd);
  return dpi > 0 ? static_cast<int>(dpi) : kDefaultDpi;
}

// The outer size whose client area is the design one at the DPI.
SIZE DesignOuterSize(int dpi) {
  RECT r{0, 0, TwipsToPixels(layout::kClientWidth, dpi), TwipsToPixels(layout::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&r, kWindowStyle, FALSE, 0, static_cast<UINT>(dpi));
  return SIZE{r.right - r.left, r.bottom - r.top};
}

HICON LoadAppIcon(HINSTANCE instance, int size_metric_x, int size_metric_y) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON,
                                       GetSystemMetrics(size_metric_x),
                                       GetSystemMetrics(size_metric_y), LR_DEFAULTCOLOR));
}

}  // namespace

AppWindow::AppWindow(HINSTANCE instance) : instance_(instance) {}

AppWindow::~AppWindow() {
  logic_ = nullptr;
  query_unload_ = nullptr;
  if (hwnd_) DestroyWindow(hwnd_);
}

bool AppWindow::Create() {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpszClassName = kWindowClass;
  window_class.hInstance = instance_;
  window_class.lpfnWndProc = WindowProc;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.hIcon = LoadAppIcon(instance_, SM_CXICON, SM_CYICON);
  window_class.hIconSm = LoadAppIcon(instance_, SM_CXSMICON, SM_CYSMICON);
  if (!RegisterClassExW(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }

  const int system_dpi = static_cast<int>(GetDpiForSystem());
  const SIZE outer = DesignOuterSize(system_dpi);
  CreateWindowExW(0, kWindowClass, kWindowCaption, kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  outer.cx, outer.cy, nullptr, nullptr, instance_, this);
  if (!hwnd_) return false;

  // The default position may be on a monitor of another DPI than the system's.
  dpi_.value = DpiOf(hwnd_);
  if (dpi_.value != system_dpi) {
    const SIZE resized = DesignOuterSize(dpi_.value);
    SetWindowPos(hwnd_, nullptr, 0, 0, resized.cx, resized.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  window_ = std::make_unique<Win32MainWindow>(hwnd_, dpi_);
  if (!CreateControls()) return false;
  ApplyFonts(std::make_unique<WindowFonts>(dpi_.value));
  return true;
}

bool AppWindow::CreateControls() {
  const auto child = [this](const wchar_t* control_class, const wchar_t* text, DWORD style,
                            DWORD extended_style, int id) {
    return CreateWindowExW(extended_style, control_class, text, WS_CHILD | WS_TABSTOP | style, 0, 0,
                           0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance_, nullptr);
  };
  constexpr DWORD kListStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  constexpr DWORD kEditStyle = ES_AUTOHSCROLL | ES_LEFT;
  // Created in the tab order: the dialog manager follows the z-order.
  const HWND search_button = child(L"BUTTON", kSearchCaption, BS_PUSHBUTTON, 0, kSearchButtonId);
  // Owner-drawn to show what the search found; it keeps its strings for
  // screen readers and LB_GETTEXT, and scrolls sideways to long lines.
  constexpr DWORD kMailPaneStyle =
      LBS_EXTENDEDSEL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_HSCROLL;
  const HWND mail_pane =
      child(L"LISTBOX", L"", kListStyle | kMailPaneStyle, WS_EX_CLIENTEDGE, kMailPaneId);
  // Keys reach the window as WM_VKEYTOITEM: Delete removes a keyword.
  // Owner-drawn to show each keyword's colour and count beside its text,
  // which it keeps.
  constexpr DWORD kKeywordListStyle = LBS_WANTKEYBOARDINPUT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  const HWND keyword_list =
      child(L"LISTBOX", L"", kListStyle | kKeywordListStyle, WS_EX_CLIENTEDGE, kKeywordListId);
  const HWND address_box = child(L"EDIT", L"", kEditStyle, WS_EX_CLIENTEDGE, kAddressBoxId);
  const HWND keyword_box = child(L"EDIT", L"", kEditStyle, WS_EX_CLIENTEDGE, kKeywordBoxId);
  if (!search_button || !mail_pane || !keyword_list || !address_box || !keyword_box) return false;

  search_button_ = std::make_unique<Win32PushButton>(search_button, layout::kSearchButton, dpi_);
  mail_pane_ = std::make_unique<Win32ListBox>(mail_pane, layout::kMailPane, dpi_);
  keyword_list_ = std::make_unique<Win32ListBox>(keyword_list, layout::kKeywordList, dpi_);
  address_box_ = std::make_unique<Win32TextBox>(address_box, layout::kAddressBox, dpi_);
  keyword_box_ = std::make_unique<Win32TextBox>(keyword_box, layout::kKeywordBox, dpi_);

  // Addresses and keywords may be longer than the edit control's default
  // limit.
  SendMessageW(address_box, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(keyword_box, EM_SETLIMITTEXT, 0, 0);

  TakeOverMessages(search_button, search_button_proc_);
  TakeOverMessages(mail_pane, mail_pane_proc_);
  mail_pane_->CallDirectly(mail_pane_proc_);
  TakeOverMessages(keyword_box, keyword_box_proc_);
  TakeOverMessages(address_box, address_box_proc_);
  mail_pane_->MeasureWidthsWith([this](const auto& lines) { return WidestMailLine(lines); });
  NameControls();
  return true;
}

void AppWindow::ApplyFonts(std::unique_ptr<WindowFonts> fonts) {
  const auto set = [](HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  };
  set(search_button_->hwnd(), fonts->message());
  set(mail_pane_->hwnd(), fonts->mail_pane());
  set(keyword_list_->hwnd(), fonts->message());
  set(address_box_->hwnd(), fonts->message());
  set(keyword_box_->hwnd(), fonts->message());
  // Only now may the old fonts go.
  fonts_ = std::move(fonts);
  // An owner-drawn list is told its line height; the widths change too.
  mail_line_height_ = LineHeight(mail_pane_->hwnd(), fonts_->mail_pane());
  SendMessageW(mail_pane_->hwnd(), LB_SETITEMHEIGHT, 0, MAKELPARAM(mail_line_height_, 0));
  // A keyword's row leaves room around the swatch.
  keyword_line_height_ = LineHeight(keyword_list_->hwnd(), fonts_->message()) + 2;
  SendMessageW(keyword_list_->hwnd(), LB_SETITEMHEIGHT, 0, MAKELPARAM(keyword_line_height_, 0));
  mail_pane_->MeasureWidthsWith([this](const auto& lines) { return WidestMailLine(lines); });
}

int AppWindow::LineHeight(HWND control, HFONT font) {
  TEXTMETRICW metrics{};
  const WindowDc dc(control, font);
  GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight > 0 ? metrics.tmHeight : 16;
}

int AppWindow::WidestMailLine(const std::vector<std::u16string>& lines) const {
  if (!fonts_ || !mail_pane_) return 0;
  // One device context for all: under Wine getting one is dear.
  const WindowDc dc(mail_pane_->hwnd(), fonts_->mail_pane());
  int widest = 0;
  for (const auto& line : lines) widest = std::max(widest, MeasureLine(dc.get(), line));
  return widest + kMailLineIndent;
}

void AppWindow::DrawMailPaneItem(const DRAWITEMSTRUCT& item) {
  if (DrawOnlyFocus(item)) return;
  const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
  const LRESULT copied = length > 0 ? SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID,
                                                   reinterpret_cast<LPARAM>(text.data()))
                                    : 0;
  const std::u16string_view line(reinterpret_cast<const char16_t*>(text.data()),
                                 copied > 0 ? static_cast<size_t>(copied) : 0);
  const FontSelected font(item.hDC, fonts_ ? fonts_->mail_pane() : nullptr);
  DrawMailLine(item, line, logic_ ? logic_->HighlightsIn(line) : std::vector<Highlight>{});
}

void AppWindow::DrawKeywordListItem(const DRAWITEMSTRUCT& item) {
  if (DrawOnlyFocus(item)) return;
  const int index = static_cast<int>(item.itemID);
  const std::u16string keyword = keyword_list_->ItemText(index);
  const FontSelected font(item.hDC, fonts_ ? fonts_->message() : nullptr);
  DrawKeywordItem(item, keyword, logic_ ? logic_->KeywordListEntryAt(index) : KeywordListEntry{});
}

void AppWindow::PlaceControls() {
  search_button_->Place();
  mail_pane_->Place();
  keyword_list_->Place();
  address_box_->Place();
  keyword_box_->Place();
}

void AppWindow::Attach(WindowLogic& logic, std::function<bool(bool)> query_unload) {
  logic_ = &logic;
  query_unload_ = std::move(query_unload);
  AddSystemMenuItems();
  RegisterDropTargets();
}

void AppWindow::RegisterDropTargets() {
  // Each drop is handled once it is over: what it may tell the user must
  // not keep the other program's drag waiting.
  if (!drop_target_registered_) {
    auto* target = new ListDropTarget(
        [this](const DropData& data) {
          pending_drop_ = std::make_unique<DroppedData>(data, FirstReadable);
          PostMessageW(hwnd_, kDropReceived, 0, 0);
        },
        // Lines dragged out of the pane never drop back into it.
        [this](const DropData& data) {
          return !dragging_out_ && logic_ && logic_->AcceptsMailPaneDrop(data);
        });
    drop_target_registered_ = SUCCEEDED(RegisterDragDrop(mail_pane_->hwnd(), target));
    // The registration holds its own reference.
    target->Release();
  }
  if (!keyword_drop_target_registered_) {
    auto* target = new ListDropTarget(
        [this](const DropData& data) {
          // Only the file names count here: no dragged message is read.
          pending_keyword_drop_ = std::make_unique<DroppedData>(
              data, [](const std::vector<std::u16string>&) { return -1; });
          PostMessageW(hwnd_, kKeywordDropReceived, 0, 0);
        },
        [this](const DropData& data) { return logic_ && logic_->AcceptsKeywordListDrop(data); });
    keyword_drop_target_registered_ = SUCCEEDED(RegisterDragDrop(keyword_list_->hwnd(), target));
    target->Release();
  }
}

void AppWindow::Show(int show_command) {
  if (logic_) logic_->OnResize();
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
  SetFocus(search_button_->hwnd());
}

int AppWindow::RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TakeWindowKey(message)) continue;
    if (hwnd_ && IsDialogMessageW(hwnd_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK AppWindow::WindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<AppWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<AppWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, w, l);
  }
  return self->HandleMessage(message, w, l);
}

LRESULT AppWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return 0;
    case kDropReceived:
      if (logic_ && pending_drop_) {
        const std::unique_ptr<DroppedData> drop = std::move(pending_drop_);
        logic_->OnMailPaneDrop(*drop);
      }
      return 0;
    case kKeywordDropReceived:
      if (logic_ && pending_keyword_drop_) {
        const std::unique_ptr<DroppedData> drop = std::move(pending_keyword_drop_);
        logic_->OnKeywordListDrop(*drop);
      }
      return 0;
    case WM_SIZE:
      // Minimising changes nothing.
      if (w != SIZE_MINIMIZED && logic_) logic_->OnResize();
      return 0;
    case DM_GETDEFID:
      // Enter on the focused Search button presses it, as in a dialog.
      if (search_button_ && GetFocus() == search_button_->hwnd())
        return MAKELRESULT(kSearchButtonId, DC_HASDEFID);
      return 0;
    case WM_WINDOWPOSCHANGED:
      if (window_) window_->NoteNormalRect();
      break;  // DefWindowProc sends WM_SIZE and WM_MOVE
    case WM_GETMINMAXINFO:
      KeepMinimumSize(*reinterpret_cast<MINMAXINFO*>(l));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) RememberFocus();
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_CLOSE:
      if (QueryUnloadOnce(/*may_ask=*/true)) DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION:
      QueryUnloadOnce(/*may_ask=*/false);
      return TRUE;
    case WM_INITMENUPOPUP:
      if (HIWORD(l)) UpdateSystemMenuItems(reinterpret_cast<HMENU>(w));
      break;
    case WM_SYSCOMMAND:
      if (OnSystemCommand(w)) return 0;
      break;
    case WM_CONTEXTMENU:
      // Shift+F10 or the context-menu key on the Search button; a right
      // click has toggled the panel already when the button went down.
      if (logic_ && search_button_ && reinterpret_cast<HWND>(w) == search_button_->hwnd() &&
          l == -1) {
        logic_->OnSearchButtonContextKey();
      }
      return 0;
    case WM_MEASUREITEM: {
      // Sent while the lists are created, before their fonts are known.
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      const int height = measure->CtlID == kMailPaneId      ? mail_line_height_
                         : measure->CtlID == kKeywordListId ? keyword_line_height_
                                                            : -1;
      if (height < 0) break;
      measure->itemHeight = static_cast<UINT>(height > 0 ? height : 16);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (item->CtlID == kMailPaneId) {
        DrawMailPaneItem(*item);
      } else if (item->CtlID == kKeywordListId) {
        DrawKeywordListItem(*item);
      } else {
        break;
      }
      return TRUE;
    }
    case WM_VKEYTOITEM:
      if (keyword_list_ && reinterpret_cast<HWND>(l) == keyword_list_->hwnd())
        return OnKeywordListKey(w);
      return -1;
    case WM_ENDSESSION:
      OnEndSession(w != FALSE);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, w, l);
}

void AppWindow::OnCommand(int control_id, int notification) {
  if (!logic_) return;
  if (control_id == kSearchButtonId && notification == BN_CLICKED) logic_->OnSearchClick();
  // A mouse click is taken when the button is released (see the mail pane's
  // own messages); here only selection moves made with the keyboard.
  if (control_id == kMailPaneId && notification == LBN_SELCHANGE && mail_pane_keyboard_) {
    logic_->OnMailLineClick();
  }
  if (control_id == kKeywordListId && notification == LBN_DBLCLK) logic_->OnKeywordDoubleClick();
}

void AppWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_.value = dpi > 0 ? dpi : kDefaultDpi;
  ApplyFonts(std::make_unique<WindowFonts>(dpi_.value));
  PlaceControls();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The pixel size may not have changed while its size in twips did.
  if (logic_ && !IsIconic(hwnd_)) logic_->OnResize();
}

void AppWindow::KeepMinimumSize(MINMAXINFO& limits) const {
  limits.ptMinTrackSize.x = TwipsToPixelsAtLeast(layout::kMinOuterWidth, dpi_.value);
  limits.ptMinTrackSize.y = TwipsToPixelsAtLeast(layout::kMinOuterHeight, dpi_.value);
}

void AppWindow::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) last_focus_ = focus;
}

void AppWindow::RestoreFocus() {
  if (last_focus_ && IsWindowVisible(last_focus_) && IsWindowEnabled(last_focus_)) {
    SetFocus(last_focus_);
  } else if (search_button_) {
    SetFocus(search_button_->hwnd());
  }
}

bool AppWindow::QueryUnloadOnce(bool may_ask) {
  if (unloaded_) return true;
  if (query_unload_ && !query_unload_(may_ask)) return false;
  unloaded_ = true;
  return true;
}

void AppWindow::OnEndSession(bool ending) {
  if (!ending) {
    // The shutdown was called off: the window lives on and must save again
    // when it really closes.
    unloaded_ = false;
    return;
  }
  QueryUnloadOnce(/*may_ask=*/false);
  DestroyWindow(hwnd_);
}

void AppWindow::OnDestroy() {
  if (drop_target_registered_) RevokeDragDrop(mail_pane_->hwnd());
  drop_target_registered_ = false;
  if (keyword_drop_target_registered_) RevokeDragDrop(keyword_list_->hwnd());
  keyword_drop_target_registered_ = false;
  logic_ = nullptr;
  PostQuitMessage(0);
}

}  // namespace vorenta
