#pragma once
// A real LISTBOX. Single or extended selection is read from the control's
// own style.

#include "ui/win32/win32_control.h"

namespace vorenta {

class Win32ListBox : public Win32Control<ListBox> {
 public:
  using Win32Control::Win32Control;

  void Clear() override;
  void AddItem(const std::u16string& text) override;
  void RemoveItem(int index) override;
  std::u16string ItemText(int index) const override;
  int Count() const override;
  int CurrentIndex() const override;
  void SetSelected(int index) override;
  bool IsSelected(int index) const override;
  void SelectAll() override;
  std::vector<int> SelectedIndexes() const override;

  // The item under a point in client pixels, or kNoItem.
  int ItemAt(POINT client_point) const;

 private:
  bool AllowsManySelected() const;
};

}  // namespace vorenta
