#pragma once
// The top-level window's geometry in twips at its current DPI.

#include <windows.h>

#include "ui/platform.h"
#include "ui/win32/win32_control.h"

namespace vorenta {

class Win32MainWindow : public MainWindow {
 public:
  Win32MainWindow(HWND window, const WindowDpi& dpi) : hwnd_(window), dpi_(dpi) {}

  float OuterWidth() const override;
  float OuterHeight() const override;
  bool SetOuterWidth(float twips) override;
  bool SetOuterHeight(float twips) override;
  float ClientWidth() const override;
  float ClientHeight() const override;
  float Left() const override;
  float Top() const override;
  std::intptr_t Handle() const override;
  std::vector<Monitor> Monitors() const override;
  Monitor CurrentMonitor() const override;
  void Place(const Monitor& monitor, const TwipsRect& outer) override;

 private:
  RECT OuterRect() const;
  RECT ClientRect() const;
  bool SetOuterSize(int width, int height);

  HWND hwnd_;
  const WindowDpi& dpi_;
};

}  // namespace vorenta
