#pragma once
// A real LISTBOX. Single or extended selection is read from the control's
// own style.

#include <functional>
#include <string>
#include <vector>

#include "core/text_columns.h"
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
  void MoveCurrentTo(int index) override;
  void SelectAll() override;
  void DeselectAll() override;
  std::vector<int> SelectedIndexes() const override;
  // The control stays visible with its painting suspended: under Wine a
  // hidden list box fills ten times slower than one that does not redraw.
  void ReplaceItems(LineSource& lines) override;
  // One message per run of consecutive items.
  void SelectItems(const std::vector<int>& ascending) override;
  void ForEachItem(const std::function<void(int, std::u16string_view)>& visit) const override;
  void Repaint() override;

  // The item under a point in client pixels, or kNoItem; any index, not
  // only those that fit the 16 bits of LB_ITEMFROMPOINT.
  int ItemAt(POINT client_point) const;

  // Bulk work calls the list box's own window procedure directly instead of
  // sending each message through the system (and through whatever replaced
  // that procedure): under Wine a sent message costs about a microsecond,
  // and a long mail takes tens of thousands of them.
  void CallDirectly(WNDPROC list_box_proc) { direct_proc_ = list_box_proc; }

  // Gives the widest of some lines in pixels with the list's font.
  using WidestMeasure = std::function<int(const std::vector<std::u16string>&)>;
  // Lets the list scroll sideways as far as its widest line. Called again
  // when the font changes, it measures anew.
  void MeasureWidthsWith(WidestMeasure measure);

 private:
  bool AllowsManySelected() const;
  void UpdateHorizontalExtent();
  LRESULT Call(UINT message, WPARAM w, LPARAM l) const;
  void NoteAdded(std::u16string_view text);

  WNDPROC direct_proc_ = nullptr;
  // Every item went through this object, and none is longer than this: one
  // message reads an item.
  int known_items_ = 0;
  size_t longest_item_ = 0;
  WidestMeasure measure_;
  // The lines that may be the widest, by estimate.
  WidestLines widest_{0};
};

}  // namespace vorenta
