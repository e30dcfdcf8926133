#pragma once
// A real one-line EDIT control.

#include "ui/win32/win32_control.h"

namespace vorenta {

class Win32TextBox : public Win32Control<TextBox> {
 public:
  using Win32Control::Win32Control;

  std::u16string Text() const override;
  void SetText(const std::u16string& text) override;
};

}  // namespace vorenta
