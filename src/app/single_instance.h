#pragma once
// One window per folder, however its path is spelt: a second start from the
// folder of a running copy brings that copy's window to the front and ends.

#include <windows.h>

#include <string>

#include "platform/win32/scoped_win32.h"

namespace vorenta {

class SingleInstance {
 public:
  // Claims the executable's folder for this process.
  SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Another copy started from the same folder is running.
  bool AnotherIsRunning() const { return another_running_; }
  // Restores and activates the other copy's main window, waiting a little
  // for it when that copy is still starting.
  void ActivateTheOther(const wchar_t* window_class) const;

 private:
  std::wstring folder_key_;
  UniqueHandle mutex_;
  bool another_running_ = false;
};

}  // namespace vorenta
