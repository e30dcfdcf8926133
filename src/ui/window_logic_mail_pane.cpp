// The mail pane before and around a paste: the hint of the empty pane and
// the pane's own menu.

#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

namespace {

struct PaneKey {
  MailPaneCommand command;
  int key_code;
  int shift;
};

constexpr PaneKey kPaneKeys[] = {
    {MailPaneCommand::kPaste, kKeyEnter, 0},
    {MailPaneCommand::kPasteWithLinks, kKeyV, kCtrlMask},
    {MailPaneCommand::kCopyLines, kKeyC, kCtrlMask},
    {MailPaneCommand::kSelectAll, kKeyA, kCtrlMask},
    {MailPaneCommand::kClearSelection, kKeyEscape, 0},
};

}  // namespace

std::u16string_view WindowLogic::MailPaneHint() const {
  return p_.mail_pane.Count() == 0 ? std::u16string_view(texts::kHintMailPane)
                                   : std::u16string_view();
}

std::vector<MailPaneMenuItem> WindowLogic::MailPaneMenu() const {
  const bool has_lines = p_.mail_pane.Count() > 0;
  const bool has_selection = has_lines && !p_.mail_pane.SelectedIndexes().empty();
  return {
      {MailPaneCommand::kPaste, texts::kMenuPaste},
      {MailPaneCommand::kPasteWithLinks, texts::kMenuPanePasteWithLinks},
      {MailPaneCommand::kCopyLines, texts::kMenuPaneCopyLines, has_selection, true},
      {MailPaneCommand::kSelectAll, texts::kMenuSelectAll, has_lines},
      {MailPaneCommand::kClearSelection, texts::kMenuClearSelection, has_selection},
  };
}

void WindowLogic::RunMailPaneCommand(MailPaneCommand command) {
  for (const PaneKey& key : kPaneKeys) {
    if (key.command == command) OnMailPaneKey(key.key_code, key.shift);
  }
}

}  // namespace vorenta
