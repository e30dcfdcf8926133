#pragma once
// Real input through SendInput: the program sees the same messages as when a
// user clicks and types.

#include <windows.h>

#include <string>

namespace vorenta_e2e {

enum class MouseButton { kLeft, kRight };

// Modifier keys held during a click or key press, added together.
inline constexpr unsigned kNoModifier = 0;
inline constexpr unsigned kShift = 1;
inline constexpr unsigned kCtrl = 2;
inline constexpr unsigned kAlt = 4;

// Returns false when the cursor did not arrive.
bool MoveMouse(POINT screen);
// Moves in steps so that hover and drag tracking see the way, not a jump.
bool GlideMouse(POINT from, POINT to, int steps = 8);
void ButtonDown(MouseButton button);
void ButtonUp(MouseButton button);
bool Click(POINT screen, MouseButton button = MouseButton::kLeft, unsigned modifiers = kNoModifier);
bool DoubleClick(POINT screen);
void PressKey(WORD virtual_key, unsigned modifiers = kNoModifier);
// Types each UTF-16 unit as a Unicode keystroke, Japanese included.
void TypeText(const std::u16string& text);

// Screen points of a window: its centre, or a point given in its client area.
POINT CenterOf(HWND window);
POINT ClientToScreenPoint(HWND window, int x, int y);

}  // namespace vorenta_e2e
