#include "ui/keep_on_top.h"

namespace vorenta {

std::int32_t KeepOnTop(SystemCalls& system, const MainWindow& window, int mode) {
  const std::intptr_t handle = window.Handle();
  if (mode == 1) return system.SetWindowPos(handle, kHwndTopmost, 0, 0, 0, 0, kKeepOnTopFlags);
  if (mode == 0) return system.SetWindowPos(handle, kHwndNoTopmost, 0, 0, 0, 0, kKeepOnTopFlags);
  return 0;
}

}  // namespace vorenta
