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

void MemoryWindow::MoveTo(float left, float top) {
  left_ = left;
  top_ = top;
}

}  // namespace vorenta
