#pragma once
#include <cstdint>

#include "ui/platform.h"

namespace vorenta {

inline constexpr std::intptr_t kHwndTopmost = -1;
inline constexpr std::intptr_t kHwndNoTopmost = -2;
inline constexpr unsigned kKeepOnTopFlags = 67;  // SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW

// Mode 1 makes the window topmost, mode 0 not topmost; the result of
// SetWindowPos, or 0 for any other mode.
std::int32_t KeepOnTop(SystemCalls& system, const MainWindow& window, int mode);

}  // namespace vorenta
