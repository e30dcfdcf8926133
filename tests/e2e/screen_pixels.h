#pragma once
// What the screen shows of a control, read back pixel by pixel.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vorenta_e2e {

struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top

  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// The control's client area as it stands on the screen now.
ScreenPixels CaptureClient(HWND control);

inline std::uint32_t Rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}

}  // namespace vorenta_e2e
