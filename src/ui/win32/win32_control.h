#pragma once
// A child control whose geometry is held in twips, the unit the window
// logic works in, and placed in pixels at the window's current DPI. Reading
// a left or width gives back exactly what was set, and a DPI change only has
// to place every control again.

#include <windows.h>

#include "ui/layout.h"
#include "ui/platform.h"

namespace vorenta {

// The DPI of one top-level window, shared with its controls.
struct WindowDpi {
  int value = 96;
};

// Moves the window to the rectangle at the DPI.
void PlaceInPixels(HWND control, const TwipsRect& rect, int dpi);

// Visible by its own style, whether or not its parent is shown yet.
bool HasVisibleStyle(HWND control);

// Hides the control; when it had the keyboard focus, Show() gives it back,
// so that emptying and refilling a pane does not move the focus away.
class FocusKeepingVisibility {
 public:
  void Hide(HWND control);
  void Show(HWND control);

 private:
  bool had_focus_ = false;
};

template <class Interface>
class Win32Control : public Interface {
 public:
  Win32Control(HWND control, const layout::ControlDesign& design, const WindowDpi& dpi)
      : hwnd_(control), rect_{design.left, design.top, design.width, design.height}, dpi_(dpi) {
    Place();
    if (design.visible) ShowWindow(hwnd_, SW_SHOWNA);
  }

  HWND hwnd() const { return hwnd_; }
  // Puts the control where its twips say at the current DPI.
  void Place() { PlaceInPixels(hwnd_, rect_, dpi_.value); }

  float Left() const override { return rect_.left; }
  void SetLeft(float twips) override { Set(rect_.left, twips); }
  float Top() const override { return rect_.top; }
  float Width() const override { return rect_.width; }
  void SetWidth(float twips) override { Set(rect_.width, twips); }
  float Height() const override { return rect_.height; }
  void SetHeight(float twips) override { Set(rect_.height, twips); }
  void Show() override { visibility_.Show(hwnd_); }
  void Hide() override { visibility_.Hide(hwnd_); }
  bool IsVisible() const override { return HasVisibleStyle(hwnd_); }

 private:
  void Set(float& field, float twips) {
    field = twips;
    Place();
  }

  HWND hwnd_;
  TwipsRect rect_;
  const WindowDpi& dpi_;
  FocusKeepingVisibility visibility_;
};

}  // namespace vorenta
