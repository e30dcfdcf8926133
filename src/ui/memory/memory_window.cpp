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

void MemoryWindow::MoveTo(float left, float top) {
  left_ = left;
  top_ = top;
}

}  // namespace vorenta
