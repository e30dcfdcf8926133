#pragma once
// The commands the window adds to its system menu (Alt+Space), so that every
// task can be found and done without the mouse.

#include <vector>

namespace vorenta {

enum class MenuCommand {
  kTogglePanel,
  kRemoveKeyword,
  kCopyLines,
  kPasteWithLinks,
  kOpenSenderPage,
  kRegisterSender,
  kFuzzySearch,
  kAlwaysOnTop,
  kRememberPlacement,
  kHtmlLinks,
  kAbout,
  kDefaultBrowser,
  kNextHit,
  kPreviousHit,
  kOpenAddress,
  kExportKeywords,
  kImportKeywords,
};

// The command's id in the system menu: below the system's own commands
// (0xF000 and up), in steps of 16, as the system uses the low four bits.
constexpr unsigned SystemMenuId(MenuCommand command) {
  return 0x1000u + 0x10u * static_cast<unsigned>(command);
}

struct MenuItem {
  MenuCommand command;
  const char16_t* text;  // from texts.h
  bool enabled = true;
  bool checked = false;
  bool separator_before = false;
};

}  // namespace vorenta
