#pragma once
// The mail pane's own menu: a right-click in the pane, or Shift+F10 and the
// context-menu key there. Each entry does what its key in the pane does, so
// that a user who tries the menu first finds the keys beside the entries.

namespace vorenta {

enum class MailPaneCommand {
  kPaste,
  kPasteWithLinks,
  kCopyLines,
  kSelectAll,
  kClearSelection,
};

struct MailPaneMenuItem {
  MailPaneCommand command;
  const char16_t* text;  // from texts.h
  bool enabled = true;
  bool separator_before = false;
};

}  // namespace vorenta
