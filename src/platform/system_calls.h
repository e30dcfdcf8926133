#pragma once
// The two raw system calls of start-up, behind an interface so that tests
// can see what start-up asks of the system.

#include <cstdint>

namespace vorenta {

class SystemCalls {
 public:
  virtual ~SystemCalls() = default;
  virtual std::int32_t SetWindowPos(std::intptr_t window, std::intptr_t insert_after, int x, int y,
                                    int cx, int cy, unsigned flags) = 0;
  // Fills the buffer with the executable's path in the ANSI code page and
  // returns the number of bytes written, as the Win32 call does.
  virtual std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) = 0;
};

}  // namespace vorenta
