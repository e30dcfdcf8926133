#include "ui/win32/drag_threshold.h"

namespace vorenta {

namespace {

RECT DragRectAround(POINT point) {
  const int half_width = GetSystemMetrics(SM_CXDRAG);
  const int half_height = GetSystemMetrics(SM_CYDRAG);
  return RECT{point.x - half_width, point.y - half_height, point.x + half_width + 1,
              point.y + half_height + 1};
}

}  // namespace

// Messages carry their own screen position in MSG::pt, so the test does not
// depend on which coordinates a message's parameters use.
bool PressBecomesDrag(HWND control, POINT client_point) {
  const RECT still = DragRectAround(client_point);
  SetCapture(control);
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
      if (message.message == WM_LBUTTONUP) {
        ReleaseCapture();
        return false;
      }
      if (message.message == WM_MOUSEMOVE) {
        POINT at = message.pt;
        ScreenToClient(control, &at);
        if (!PtInRect(&still, at)) {
          ReleaseCapture();
          return true;
        }
      }
    }
    if (PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) &&
        message.wParam == VK_ESCAPE) {
      PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
      ReleaseCapture();
      return false;
    }
    if (GetCapture() != control) return false;
    WaitMessage();
  }
}

}  // namespace vorenta
