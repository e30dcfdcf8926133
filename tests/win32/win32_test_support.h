#pragma once
// Shared pieces of the Win32-layer tests: a plain window to put controls on,
// message pumping, and the data objects of tests/win32_support.

#include <windows.h>

#include <ole2.h>

#include <string>

#include "fake_data_object.h"
#include "windows_of_process.h"

namespace vorenta::testing {

// A top-level window of a plain class, destroyed with the object.
class HostWindow {
 public:
  explicit HostWindow(bool visible = false);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Handles whatever is queued for this thread, without waiting.
inline void PumpMessages() { DispatchPending(); }

// The rectangle of a child in its parent's client pixels.
RECT ChildRect(HWND child);

// UTF-16 text as the bytes of a CF_UNICODETEXT block, without a NUL.
std::string WideBytes(const std::u16string& text);

}  // namespace vorenta::testing
