#pragma once
// What the controls of another process show, read through their messages.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vorenta_e2e {

std::vector<std::u16string> ListItems(HWND list);
std::vector<int> SelectedIndexes(HWND list);
std::u16string ControlText(HWND control);
// The focus, capture and move state of the thread that owns `window`.
std::optional<GUITHREADINFO> GuiThreadOf(HWND window);

// Screen point in the middle of one list item; the item must be in view.
POINT ListItemPoint(HWND list, int index);

// A rectangle in twips relative to the parent's client area, the unit the
// program lays its controls out in.
struct TwipsRect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  float right() const { return left + width; }
  float bottom() const { return top + height; }
  bool operator==(const TwipsRect&) const = default;
};

float TwipsPerPixel();
TwipsRect ControlRect(HWND control);
TwipsRect ClientRect(HWND window);
TwipsRect OuterRect(HWND window);  // on the screen

}  // namespace vorenta_e2e
