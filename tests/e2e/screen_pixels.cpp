#include "screen_pixels.h"

#include "real_input.h"

namespace vorenta_e2e {

ScreenPixels CaptureClient(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  ScreenPixels shot;
  shot.width = client.right;
  shot.height = client.bottom;
  if (shot.width <= 0 || shot.height <= 0) return shot;
  const POINT origin = ClientToScreenPoint(control, 0, 0);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, shot.width, shot.height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  shot.pixels.assign(pixels, pixels + static_cast<size_t>(shot.width) * shot.height);
  for (auto& pixel : shot.pixels) pixel &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

}  // namespace vorenta_e2e
