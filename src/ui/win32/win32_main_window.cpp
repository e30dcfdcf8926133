#include "ui/win32/win32_main_window.h"

#include "ui/win32/twips.h"
#include "ui/win32/win32_monitors.h"

namespace vorenta {

float Win32MainWindow::OuterWidth() const {
  const RECT r = OuterRect();
  return PixelsToTwips(r.right - r.left, dpi_.value);
}

float Win32MainWindow::OuterHeight() const {
  const RECT r = OuterRect();
  return PixelsToTwips(r.bottom - r.top, dpi_.value);
}

bool Win32MainWindow::SetOuterWidth(float twips) {
  const RECT r = OuterRect();
  return SetOuterSize(TwipsToPixelsAtLeast(twips, dpi_.value), r.bottom - r.top);
}

bool Win32MainWindow::SetOuterHeight(float twips) {
  const RECT r = OuterRect();
  return SetOuterSize(r.right - r.left, TwipsToPixelsAtLeast(twips, dpi_.value));
}

float Win32MainWindow::ClientWidth() const {
  const RECT r = ClientRect();
  return PixelsToTwips(r.right - r.left, dpi_.value);
}

float Win32MainWindow::ClientHeight() const {
  const RECT r = ClientRect();
  return PixelsToTwips(r.bottom - r.top, dpi_.value);
}

float Win32MainWindow::Left() const { return PixelsToTwips(OuterRect().left, dpi_.value); }

float Win32MainWindow::Top() const { return PixelsToTwips(OuterRect().top, dpi_.value); }

bool Win32MainWindow::IsNormal() const { return !IsIconic(hwnd_) && !IsZoomed(hwnd_); }

void Win32MainWindow::NoteNormalRect() {
  if (IsNormal()) normal_rect_ = OuterRect();
}

TwipsRect Win32MainWindow::NormalOuter() const {
  // Tracked rather than read from GetWindowPlacement, whose rectangle is in
  // workspace coordinates, offset by the taskbar.
  return RectInTwips(IsNormal() || !normal_rect_ ? OuterRect() : *normal_rect_, dpi_.value);
}

std::intptr_t Win32MainWindow::Handle() const { return reinterpret_cast<std::intptr_t>(hwnd_); }

// Screen readers announce the new name of the foreground window.
void Win32MainWindow::SetTitle(const std::u16string& title) {
  SetWindowTextW(hwnd_, reinterpret_cast<const wchar_t*>(title.c_str()));
}

std::vector<Monitor> Win32MainWindow::Monitors() const { return AllMonitors(); }

Monitor Win32MainWindow::CurrentMonitor() const {
  return DescribeMonitor(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST));
}

void Win32MainWindow::Place(const Monitor& monitor, const TwipsRect& outer) {
  const int dpi = MonitorDpi(reinterpret_cast<HMONITOR>(monitor.handle));
  const int left = TwipsToPixels(outer.left, dpi);
  const int top = TwipsToPixels(outer.top, dpi);
  const int width = TwipsToPixels(outer.right(), dpi) - left;
  const int height = TwipsToPixels(outer.bottom(), dpi) - top;
  const int dpi_before = dpi_.value;
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  // Arriving on a monitor of another DPI, the window took the size the
  // system suggests for it; the size asked for is already in that DPI.
  if (dpi_.value != dpi_before) {
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

RECT Win32MainWindow::OuterRect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r;
}

RECT Win32MainWindow::ClientRect() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r;
}

bool Win32MainWindow::SetOuterSize(int width, int height) {
  // A minimised or maximised window keeps the size the system gave it.
  if (IsIconic(hwnd_) || IsZoomed(hwnd_)) return false;
  return SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

}  // namespace vorenta
