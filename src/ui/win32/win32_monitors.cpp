#include "ui/win32/win32_monitors.h"

#include "ui/win32/twips.h"

namespace vorenta {

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// Loaded by hand, from the system folder only: a static import of
// shcore.dll would be looked for beside the executable first.
GetDpiForMonitorFunction LoadGetDpiForMonitor() {
  const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!shcore) return nullptr;
  return reinterpret_cast<GetDpiForMonitorFunction>(
      reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  reinterpret_cast<std::vector<Monitor>*>(found)->push_back(DescribeMonitor(monitor));
  return TRUE;
}

}  // namespace

int MonitorDpi(HMONITOR monitor) {
  // Kept for the life of the process, like the library.
  static const GetDpiForMonitorFunction get_dpi_for_monitor = LoadGetDpiForMonitor();
  UINT dpi_x = 0, dpi_y = 0;
  if (get_dpi_for_monitor &&
      SUCCEEDED(get_dpi_for_monitor(monitor, kEffectiveDpi, &dpi_x, &dpi_y)) && dpi_x > 0) {
    return static_cast<int>(dpi_x);
  }
  const UINT system_dpi = GetDpiForSystem();
  return system_dpi > 0 ? static_cast<int>(system_dpi) : kDefaultDpi;
}

TwipsRect RectInTwips(const RECT& pixels, int dpi) {
  return {PixelsToTwips(pixels.left, dpi), PixelsToTwips(pixels.top, dpi),
          PixelsToTwips(pixels.right - pixels.left, dpi),
          PixelsToTwips(pixels.bottom - pixels.top, dpi)};
}

Monitor DescribeMonitor(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return {reinterpret_cast<std::intptr_t>(monitor), {}};
  return {reinterpret_cast<std::intptr_t>(monitor), RectInTwips(info.rcWork, MonitorDpi(monitor))};
}

std::vector<Monitor> AllMonitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace vorenta
