#include "ui/win32/win32_list_box.h"

#include "ui/win32/wide_string.h"

namespace vorenta {

void Win32ListBox::Clear() { SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0); }

void Win32ListBox::AddItem(const std::u16string& text) {
  const std::wstring wide = ToWide(text);
  SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32ListBox::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  SendMessageW(hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

std::u16string Win32ListBox::ItemText(int index) const {
  if (index < 0 || index >= Count()) return {};
  const LRESULT length = SendMessageW(hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(hwnd(), LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  if (copied == LB_ERR) return {};
  text.resize(static_cast<std::size_t>(copied));
  return FromWide(text);
}

int Win32ListBox::Count() const {
  const LRESULT count = SendMessageW(hwnd(), LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int Win32ListBox::CurrentIndex() const {
  if (Count() == 0) return kNoItem;
  // With many selected items the current one is the one with the focus
  // rectangle: the item last clicked or moved to.
  const LRESULT index =
      SendMessageW(hwnd(), AllowsManySelected() ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? kNoItem : static_cast<int>(index);
}

void Win32ListBox::SetSelected(int index) {
  if (index < 0 || index >= Count()) return;
  if (AllowsManySelected()) {
    SendMessageW(hwnd(), LB_SETSEL, TRUE, static_cast<LPARAM>(index));
  } else {
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

bool Win32ListBox::IsSelected(int index) const {
  if (index < 0 || index >= Count()) return false;
  return SendMessageW(hwnd(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void Win32ListBox::SelectAll() {
  if (AllowsManySelected()) SendMessageW(hwnd(), LB_SETSEL, TRUE, -1);
}

std::vector<int> Win32ListBox::SelectedIndexes() const {
  if (!AllowsManySelected()) {
    const LRESULT current = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
    return current == LB_ERR ? std::vector<int>{} : std::vector<int>{static_cast<int>(current)};
  }
  const LRESULT count = SendMessageW(hwnd(), LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> indexes(static_cast<size_t>(count));
  const LRESULT got = SendMessageW(hwnd(), LB_GETSELITEMS, static_cast<WPARAM>(count),
                                   reinterpret_cast<LPARAM>(indexes.data()));
  indexes.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return indexes;
}

int Win32ListBox::ItemAt(POINT client_point) const {
  const LRESULT hit =
      SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(client_point.x, client_point.y));
  // The high word is set when the point lies outside every item.
  if (HIWORD(hit) != 0) return kNoItem;
  const int index = LOWORD(hit);
  return index < Count() ? index : kNoItem;
}

bool Win32ListBox::AllowsManySelected() const {
  return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

}  // namespace vorenta
