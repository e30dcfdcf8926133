#pragma once
// A drop target of the driver's own, for drags that start in the program.

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>

namespace vorenta_e2e {

class DropCatcher {
 public:
  // A small window at `area` that takes text drops; runs on a thread of its own.
  explicit DropCatcher(const RECT& area);
  ~DropCatcher();
  DropCatcher(const DropCatcher&) = delete;
  DropCatcher& operator=(const DropCatcher&) = delete;

  bool ready() const { return window_ != nullptr; }
  POINT center() const;
  // The text of the last drop, if any arrived.
  std::optional<std::u16string> dropped_text() const;

  // Called by the drop target on the catcher's thread.
  void Receive(std::u16string text);

 private:
  static DWORD WINAPI Run(void* self);

  RECT area_;
  HWND window_ = nullptr;
  HANDLE thread_ = nullptr;
  HANDLE created_ = nullptr;
  mutable std::mutex mutex_;
  std::optional<std::u16string> text_;
};

}  // namespace vorenta_e2e
