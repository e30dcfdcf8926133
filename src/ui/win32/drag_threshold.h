#pragma once
// Telling a drag from a click after a left press.

#include <windows.h>

namespace vorenta {

// Follows the mouse after a left press at `client_point` of `control`: true
// once the pointer leaves the system's drag rectangle around that point
// with the button still down, false when the button is released first (the
// release is consumed), Escape is pressed or the capture is lost.
bool PressBecomesDrag(HWND control, POINT client_point);

}  // namespace vorenta
