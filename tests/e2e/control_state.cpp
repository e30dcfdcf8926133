#include "control_state.h"

#include "text_convert.h"

namespace vorenta_e2e {

namespace {

// Cross-process messages must not hang a test on a stuck program.
LRESULT Ask(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, 5000, &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

}  // namespace

std::vector<std::u16string> ListItems(HWND list) {
  std::vector<std::u16string> items;
  const LRESULT count = Ask(list, LB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = Ask(list, LB_GETTEXTLEN, i);
    std::wstring text(length > 0 ? length + 1 : 1, L'\0');
    const LRESULT copied = Ask(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? copied : 0);
    items.push_back(U16(text));
  }
  return items;
}

std::vector<int> SelectedIndexes(HWND list) {
  std::vector<int> selected;
  const LRESULT count = Ask(list, LB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    if (Ask(list, LB_GETSEL, i) > 0) selected.push_back(static_cast<int>(i));
  }
  return selected;
}

std::u16string ControlText(HWND control) {
  const LRESULT length = Ask(control, WM_GETTEXTLENGTH);
  std::wstring text(length > 0 ? length + 1 : 1, L'\0');
  const LRESULT copied =
      Ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? copied : 0);
  return U16(text);
}

std::optional<GUITHREADINFO> GuiThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return std::nullopt;
  return info;
}

POINT ListItemPoint(HWND list, int index) {
  const LRESULT top = Ask(list, LB_GETTOPINDEX);
  const LRESULT height = Ask(list, LB_GETITEMHEIGHT, index);
  RECT client{};
  GetClientRect(list, &client);
  const int y = static_cast<int>((index - top) * height + height / 2);
  POINT point{std::min<LONG>(client.right / 4, 60), y};
  ClientToScreen(list, &point);
  return point;
}

float TwipsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return 1440.0f / static_cast<float>(dpi);
}

TwipsRect ControlRect(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  const float t = TwipsPerPixel();
  return {rect.left * t, rect.top * t, (rect.right - rect.left) * t, (rect.bottom - rect.top) * t};
}

TwipsRect ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  const float t = TwipsPerPixel();
  return {0, 0, rect.right * t, rect.bottom * t};
}

TwipsRect OuterRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const float t = TwipsPerPixel();
  return {rect.left * t, rect.top * t, (rect.right - rect.left) * t, (rect.bottom - rect.top) * t};
}

}  // namespace vorenta_e2e
