#pragma once
// Polling with a deadline: Wine delivers input and repaints asynchronously, so
// every check of a result waits for it instead of sleeping a fixed time.

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "windows_of_process.h"

namespace vorenta_e2e {

inline constexpr std::chrono::milliseconds kDefaultTimeout{10000};

// Pumps this thread's messages while waiting so that windows the driver owns
// (and OLE) stay responsive.
inline void PumpFor(std::chrono::milliseconds duration) {
  const ULONGLONG end = GetTickCount64() + duration.count();
  for (;;) {
    vorenta::testing::DispatchPending();
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE,
                              static_cast<DWORD>(std::min<ULONGLONG>(end - now, 20)), QS_ALLINPUT);
  }
}

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = kDefaultTimeout) {
  const ULONGLONG end = GetTickCount64() + timeout.count();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    PumpFor(std::chrono::milliseconds(25));
  }
}

}  // namespace vorenta_e2e
