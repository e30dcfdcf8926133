#include "ui/win32/win32_control.h"

#include "ui/win32/twips.h"

namespace vorenta {

void PlaceInPixels(HWND control, const TwipsRect& rect, int dpi) {
  // Edges are converted, not the width, so that neighbours meet without a
  // pixel of drift between them.
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  const int right = TwipsToPixels(rect.left + rect.width, dpi);
  const int bottom = TwipsToPixels(rect.top + rect.height, dpi);
  // Moved controls paint afresh: copying their old pixels can leave stale
  // lines behind when a move and a resize follow each other.
  SetWindowPos(control, nullptr, left, top, right > left ? right - left : 0,
               bottom > top ? bottom - top : 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

bool HasVisibleStyle(HWND control) {
  return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void FocusKeepingVisibility::Hide(HWND control) {
  const HWND focus = GetFocus();
  if (focus && (focus == control || IsChild(control, focus))) had_focus_ = true;
  ShowWindow(control, SW_HIDE);
}

void FocusKeepingVisibility::Show(HWND control) {
  ShowWindow(control, SW_SHOWNA);
  if (!had_focus_) return;
  had_focus_ = false;
  // Only take the focus back while it is still within this window: the user
  // may have moved on to another program in the meantime.
  const HWND focus = GetFocus();
  if (focus && GetAncestor(focus, GA_ROOT) == GetAncestor(control, GA_ROOT)) SetFocus(control);
}

}  // namespace vorenta
