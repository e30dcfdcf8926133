#include "platform/win32/win32_system_calls.h"

#include <windows.h>

namespace vorenta {

std::int32_t Win32SystemCalls::SetWindowPos(std::intptr_t window, std::intptr_t insert_after, int x,
                                            int y, int cx, int cy, unsigned flags) {
  return ::SetWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(insert_after), x, y,
                        cx, cy, flags);
}

std::uint32_t Win32SystemCalls::GetModuleFileNameA(char* buffer, std::uint32_t size) {
  return ::GetModuleFileNameA(nullptr, buffer, size);
}

}  // namespace vorenta
