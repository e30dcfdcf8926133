#pragma once
// A real BUTTON with an optional tooltip.

#include "ui/win32/win32_control.h"

namespace vorenta {

class Win32PushButton : public Win32Control<PushButton> {
 public:
  using Win32Control::Win32Control;
  ~Win32PushButton() override;

  void SetToolTip(const std::u16string& text) override;
  // The text the tooltip control holds; empty without a tooltip.
  std::u16string ToolTip() const;

 private:
  HWND tooltip_ = nullptr;
};

}  // namespace vorenta
