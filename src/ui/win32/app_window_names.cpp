// The names screen readers announce for the controls, and the hints the
// empty boxes show.
//
// Accessibility layers name a control after the static label just before it
// in z-order, visible or not; Wine's list box proxy reads the list box's own
// window text instead. Each control gets both, and the labels stay hidden so
// that the window looks as it always did. The Search button is named by its
// caption.

#include "ui/win32/app_window.h"

#include <commctrl.h>

#include "platform/win32/wide_string.h"
#include "ui/texts.h"

namespace vorenta {

namespace {

void PutLabelBefore(HWND control, const std::wstring& name, HINSTANCE instance) {
  // No tab stop and no mnemonic: the keyboard never lands on a label.
  const HWND label = CreateWindowExW(0, L"STATIC", name.c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0,
                                     GetParent(control), nullptr, instance, nullptr);
  if (!label) return;
  const HWND above = GetWindow(control, GW_HWNDPREV);
  SetWindowPos(label, above ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void AppWindow::NameControls() {
  const std::pair<HWND, const char16_t*> names[] = {
      {mail_pane_->hwnd(), texts::kNameMailPane},
      {keyword_list_->hwnd(), texts::kNameKeywordList},
      {address_box_->hwnd(), texts::kNameUrlBox},
      {keyword_box_->hwnd(), texts::kNameKeywordBox},
  };
  for (const auto& [control, name] : names) PutLabelBefore(control, ToWide(name), instance_);
  SetWindowTextW(mail_pane_->hwnd(), ToWide(texts::kNameMailPane).c_str());
  SetWindowTextW(keyword_list_->hwnd(), ToWide(texts::kNameKeywordList).c_str());

  // Shown also while the box has the focus: that is when the hint helps.
  const auto cue = [](HWND box, const char16_t* text) {
    const std::wstring wide = ToWide(text);
    SendMessageW(box, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  };
  cue(address_box_->hwnd(), texts::kCueUrlBox);
  cue(keyword_box_->hwnd(), texts::kCueKeywordBox);
}

}  // namespace vorenta
