#include "ui/memory/memory_controls.h"

namespace vorenta {

void MemoryListBox::Clear() {
  items_.clear();
  selected_.clear();
  current_ = kNoItem;
}

void MemoryListBox::AddItem(const std::u16string& text) {
  items_.push_back(text);
  selected_.push_back(false);
  NoteChange();
}

void MemoryListBox::RemoveItem(int index) {
  if (!Has(index)) return;
  items_.erase(items_.begin() + index);
  selected_.erase(selected_.begin() + index);
  if (current_ >= Count()) current_ = Count() - 1;
}

std::u16string MemoryListBox::ItemText(int index) const {
  return Has(index) ? items_[static_cast<size_t>(index)] : std::u16string();
}

void MemoryListBox::SetSelected(int index) {
  if (!Has(index)) return;
  selected_[static_cast<size_t>(index)] = true;
  NoteChange();
}

bool MemoryListBox::IsSelected(int index) const {
  return Has(index) && selected_[static_cast<size_t>(index)];
}

void MemoryListBox::SelectAll() {
  selected_.assign(items_.size(), true);
  NoteChange();
}

void MemoryListBox::DeselectAll() {
  selected_.assign(items_.size(), false);
  NoteChange();
}

void MemoryListBox::ReplaceItems(LineSource& lines) {
  Clear();
  std::u16string_view line;
  while (lines.Next(line)) {
    items_.emplace_back(line);
    selected_.push_back(false);
  }
  ++repaints_;
}

void MemoryListBox::SelectItems(const std::vector<int>& ascending) {
  for (int index : ascending) {
    if (Has(index)) selected_[static_cast<size_t>(index)] = true;
  }
  ++repaints_;
}

void MemoryListBox::ForEachItem(const std::function<void(int, std::u16string_view)>& visit) const {
  for (int i = 0; i < Count(); ++i) visit(i, items_[static_cast<size_t>(i)]);
}

std::vector<int> MemoryListBox::SelectedIndexes() const {
  std::vector<int> indexes;
  for (int i = 0; i < Count(); ++i) {
    if (selected_[static_cast<size_t>(i)]) indexes.push_back(i);
  }
  return indexes;
}

}  // namespace vorenta
