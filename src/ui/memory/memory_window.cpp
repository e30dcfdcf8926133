#include "ui/memory/memory_window.h"

namespace vorenta {

bool MemoryWindow::SetOuterWidth(float twips) {
  if (minimised_) return false;
  outer_width_ = twips;
  Resized();
  return true;
}

bool MemoryWindow::SetOuterHeight(float twips) {
  if (minimised_) return false;
  outer_height_ = twips;
  Resized();
  return true;
}

void MemoryWindow::UserResize(float outer_width, float outer_height) {
  outer_width_ = outer_width;
  outer_height_ = outer_height;
  Resized();
}

Monitor MemoryWindow::CurrentMonitor() const {
  for (const Monitor& monitor : monitors_) {
    const TwipsRect& area = monitor.work_area;
    if (left_ >= area.left && left_ < area.right() && top_ >= area.top && top_ < area.bottom()) {
      return monitor;
    }
  }
  return monitors_.empty() ? Monitor{} : monitors_.front();
}

void MemoryWindow::Place(const Monitor& /*monitor*/, const TwipsRect& outer) {
  placed_.push_back(outer);
  left_ = outer.left;
  top_ = outer.top;
  UserResize(outer.width, outer.height);
}

TwipsRect MemoryWindow::NormalOuter() const {
  return normal_.value_or(TwipsRect{left_, top_, outer_width_, outer_height_});
}

void MemoryWindow::ShowNotNormal(const TwipsRect& shown) {
  if (!normal_) normal_ = NormalOuter();
  left_ = shown.left;
  top_ = shown.top;
  UserResize(shown.width, shown.height);
}

void MemoryWindow::MoveTo(float left, float top) {
  left_ = left;
  top_ = top;
}

}  // namespace vorenta
