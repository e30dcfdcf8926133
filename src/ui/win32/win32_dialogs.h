#pragma once
// Messages and questions as task dialogs owned by the main window (message
// boxes where task dialogs are missing).

#include <windows.h>

#include "ui/platform.h"

namespace vorenta {

class Win32Dialogs : public Dialogs {
 public:
  explicit Win32Dialogs(HWND owner) : owner_(owner) {}

  void Inform(const UserMessage& message) override;
  int Choose(const UserMessage& message, const std::vector<std::u16string>& choices) override;

 private:
  HWND owner_;
};

}  // namespace vorenta
