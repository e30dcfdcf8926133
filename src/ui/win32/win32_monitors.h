#pragma once
// The monitors that exist now: their DPI and their work areas in twips.

#include <windows.h>

#include <vector>

#include "ui/platform.h"

namespace vorenta {

// The monitor's own DPI; the system's where Windows cannot tell it.
int MonitorDpi(HMONITOR monitor);
// A rectangle in pixels at `dpi`, in twips.
TwipsRect RectInTwips(const RECT& pixels, int dpi);
Monitor DescribeMonitor(HMONITOR monitor);
std::vector<Monitor> AllMonitors();

}  // namespace vorenta
