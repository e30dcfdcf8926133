#include "ui/win32/win32_push_button.h"

#include <commctrl.h>

#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

constexpr std::size_t kToolTipCapacity = 1024;

TOOLINFOW ToolFor(HWND button) {
  TOOLINFOW tool{};
  // The older structure size works with every version of the common
  // controls, with or without the manifest.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(button);
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  return tool;
}

}  // namespace

Win32PushButton::~Win32PushButton() {
  // The tooltip goes with its owner window when that is destroyed first.
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void Win32PushButton::SetToolTip(const std::u16string& text) {
  std::wstring wide = ToWide(text);
  TOOLINFOW tool = ToolFor(hwnd());
  tool.lpszText = wide.data();
  if (tooltip_) {
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             GetParent(hwnd()), nullptr, nullptr, nullptr);
  if (!tooltip_) return;
  if (!SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
    DestroyWindow(tooltip_);
    tooltip_ = nullptr;
  }
}

std::u16string Win32PushButton::ToolTip() const {
  if (!tooltip_) return {};
  std::wstring text(kToolTipCapacity, L'\0');
  TOOLINFOW tool = ToolFor(hwnd());
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_GETTEXTW, kToolTipCapacity, reinterpret_cast<LPARAM>(&tool));
  return FromWide(text.c_str(), wcslen(text.c_str()));
}

}  // namespace vorenta
