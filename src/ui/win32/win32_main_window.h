#pragma once
// The top-level window's geometry in twips at its current DPI.

#include <windows.h>

#include <optional>

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
  TwipsRect NormalOuter() const override;
  std::intptr_t Handle() const override;
  void SetTitle(const std::u16string& title) override;
  std::vector<Monitor> Monitors() const override;
  Monitor CurrentMonitor() const override;
  void Place(const Monitor& monitor, const TwipsRect& outer) override;

  // To be called whenever the window has moved or changed its size: keeps
  // the last rectangle it had while neither minimised nor maximised.
  void NoteNormalRect();

 private:
  RECT OuterRect() const;
  RECT ClientRect() const;
  bool SetOuterSize(int width, int height);

  bool IsNormal() const;

  HWND hwnd_;
  const WindowDpi& dpi_;
  std::optional<RECT> normal_rect_;
};

}  // namespace vorenta
