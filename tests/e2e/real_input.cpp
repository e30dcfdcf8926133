#include "real_input.h"

#include <vector>

#include "wait_until.h"

namespace vorenta_e2e {

namespace {

// Wine and Windows take their time to route each event; a short pause between
// gestures keeps them from merging.
void Settle() { PumpFor(std::chrono::milliseconds(60)); }

INPUT KeyInput(WORD virtual_key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

DWORD DownFlag(MouseButton button) {
  return button == MouseButton::kLeft ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
}

DWORD UpFlag(MouseButton button) {
  return button == MouseButton::kLeft ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
}

void AppendModifiers(std::vector<INPUT>& inputs, unsigned modifiers, bool up) {
  const WORD keys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
  const unsigned masks[] = {kShift, kCtrl, kAlt};
  for (int i = 0; i < 3; ++i) {
    if (modifiers & masks[i]) inputs.push_back(KeyInput(keys[i], up));
  }
}

void Send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool MoveMouse(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  // Aim at the middle of the pixel so that rounding either way lands on it.
  input.mi.dx = static_cast<LONG>((screen.x * 65536LL + 32768) / width);
  input.mi.dy = static_cast<LONG>((screen.y * 65536LL + 32768) / height);
  SendInput(1, &input, sizeof input);
  POINT now{};
  if (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y)) {
    // Absolute scaling differs by a pixel on some systems; correct the rest.
    SetCursorPos(screen.x, screen.y);
  }
  return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

bool GlideMouse(POINT from, POINT to, int steps) {
  bool arrived = true;
  for (int i = 1; i <= steps; ++i) {
    const POINT step{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    arrived = MoveMouse(step);
    PumpFor(std::chrono::milliseconds(30));
  }
  return arrived;
}

void ButtonDown(MouseButton button) {
  INPUT input = MouseInput(DownFlag(button));
  SendInput(1, &input, sizeof input);
}

void ButtonUp(MouseButton button) {
  INPUT input = MouseInput(UpFlag(button));
  SendInput(1, &input, sizeof input);
}

bool Click(POINT screen, MouseButton button, unsigned modifiers) {
  if (!MoveMouse(screen)) return false;
  Settle();
  std::vector<INPUT> inputs;
  AppendModifiers(inputs, modifiers, false);
  inputs.push_back(MouseInput(DownFlag(button)));
  inputs.push_back(MouseInput(UpFlag(button)));
  AppendModifiers(inputs, modifiers, true);
  Send(inputs);
  Settle();
  return true;
}

bool DoubleClick(POINT screen) {
  if (!MoveMouse(screen)) return false;
  Settle();
  std::vector<INPUT> inputs;
  for (int i = 0; i < 2; ++i) {
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
  }
  Send(inputs);
  Settle();
  return true;
}

void PressKey(WORD virtual_key, unsigned modifiers) {
  std::vector<INPUT> inputs;
  AppendModifiers(inputs, modifiers, false);
  inputs.push_back(KeyInput(virtual_key, false));
  inputs.push_back(KeyInput(virtual_key, true));
  AppendModifiers(inputs, modifiers, true);
  Send(inputs);
  Settle();
}

void TypeText(const std::u16string& text) {
  std::vector<INPUT> inputs;
  for (char16_t unit : text) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = unit;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  Send(inputs);
  Settle();
}

POINT CenterOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  return point;
}

}  // namespace vorenta_e2e
