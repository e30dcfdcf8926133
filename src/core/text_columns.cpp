#include "core/text_columns.h"

#include <algorithm>

namespace vorenta {

namespace {

bool IsHalfWidth(char16_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool Narrower(const auto& a, const auto& b) { return a.columns > b.columns; }

}  // namespace

int DisplayColumns(std::u16string_view line) {
  int columns = 0;
  for (char16_t c : line) {
    if (IsLowSurrogate(c)) continue;
    columns += IsHalfWidth(c) ? 1 : 2;
  }
  return columns;
}

void WidestLines::Offer(int index, int columns) {
  most_columns_ = std::max(most_columns_, columns);
  if (keep_ <= 0) return;
  if (static_cast<int>(heap_.size()) < keep_) {
    heap_.push_back({columns, index});
    std::push_heap(heap_.begin(), heap_.end(), Narrower<Entry, Entry>);
    return;
  }
  if (columns <= heap_.front().columns) return;
  std::pop_heap(heap_.begin(), heap_.end(), Narrower<Entry, Entry>);
  heap_.back() = {columns, index};
  std::push_heap(heap_.begin(), heap_.end(), Narrower<Entry, Entry>);
}

std::vector<int> WidestLines::Indexes() const {
  std::vector<Entry> sorted = heap_;
  std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
    return a.columns != b.columns ? a.columns > b.columns : a.index < b.index;
  });
  std::vector<int> indexes;
  for (const Entry& entry : sorted) indexes.push_back(entry.index);
  return indexes;
}

}  // namespace vorenta
