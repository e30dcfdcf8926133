// The window logic's commands in the window's system menu.

#include "ui/win32/app_window.h"

#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

constexpr UINT kFirstMenuId = SystemMenuId(MenuCommand{});

UINT MenuIdOf(MenuCommand command) { return SystemMenuId(command); }

UINT StateOf(const MenuItem& item) {
  return (item.enabled ? MFS_ENABLED : MFS_DISABLED) | (item.checked ? MFS_CHECKED : 0);
}

}  // namespace

void AppWindow::AddSystemMenuItems() {
  const HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menu || !logic_ || GetMenuState(menu, kFirstMenuId, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
    return;
  }
  // Ours come first, the system's own (move, size, close) after them.
  UINT position = 0;
  for (const MenuItem& item : logic_->SystemMenu()) {
    if (item.separator_before && position > 0) {
      InsertMenuW(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    }
    const std::wstring text = ToWide(item.text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
    info.wID = MenuIdOf(item.command);
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    info.fState = StateOf(item);
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void AppWindow::UpdateSystemMenuItems(HMENU menu) {
  if (!logic_ || menu != GetSystemMenu(hwnd_, FALSE)) return;
  for (const MenuItem& item : logic_->SystemMenu()) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = StateOf(item);
    SetMenuItemInfoW(menu, MenuIdOf(item.command), FALSE, &info);
  }
}

bool AppWindow::OnSystemCommand(WPARAM command) {
  if (!logic_) return false;
  const UINT id = static_cast<UINT>(command & 0xFFF0);
  for (const MenuItem& item : logic_->SystemMenu()) {
    if (MenuIdOf(item.command) != id) continue;
    // Only what the menu offered: a disabled entry's command does nothing.
    if (item.enabled) logic_->RunMenuCommand(item.command);
    return true;
  }
  return false;
}

}  // namespace vorenta
