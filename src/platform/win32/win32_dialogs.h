#pragma once
// Messages and questions as task dialogs owned by the main window (message
// boxes where task dialogs are missing); the common Open and Save As dialogs.

#include <windows.h>

#include <string>
#include <utility>

#include "platform/dialogs.h"

namespace vorenta {

// The words dialogs need of their own, in the user's language; the
// buttons' words are the system's.
struct DialogWords {
  std::u16string title;
};

class Win32Dialogs : public Dialogs {
 public:
  Win32Dialogs(HWND owner, DialogWords words) : owner_(owner), words_(std::move(words)) {}

  void Inform(const UserMessage& message) override;
  int Choose(const UserMessage& message, const std::vector<std::u16string>& choices) override;
  bool Ask(const UserMessage& question) override;
  std::optional<std::u16string> ChooseFileToSave(const FileQuestion& question) override;
  std::optional<std::u16string> ChooseFileToOpen(const FileQuestion& question) override;

 private:
  HWND owner_;
  DialogWords words_;
};

}  // namespace vorenta
