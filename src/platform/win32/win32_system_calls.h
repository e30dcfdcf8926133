#pragma once
// The raw system calls of start-up, passed straight to Windows.

#include "platform/system_calls.h"

namespace vorenta {

class Win32SystemCalls : public SystemCalls {
 public:
  std::int32_t SetWindowPos(std::intptr_t window, std::intptr_t insert_after, int x, int y, int cx,
                            int cy, unsigned flags) override;
  std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) override;
};

}  // namespace vorenta
