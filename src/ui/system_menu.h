#pragma once
// The commands the window adds to its system menu (Alt+Space), so that every
// task can be found and done without the mouse.

#include <vector>

namespace vorenta {

enum class MenuCommand {
  kTogglePanel,
  kRemoveKeyword,
  kCopyLines,
  kOpenSenderPage,
  kFuzzySearch,
  kAlwaysOnTop,
  kRememberPlacement,
  kAbout,
};

struct MenuItem {
  MenuCommand command;
  const char16_t* text;  // from texts.h
  bool enabled = true;
  bool checked = false;
  bool separator_before = false;
};

}  // namespace vorenta
