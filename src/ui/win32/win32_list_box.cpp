#include "ui/win32/win32_list_box.h"

#include <algorithm>

#include "core/text_columns.h"
#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

// Lines measured with the real font after a fill: the widest by estimate.
constexpr int kWidthCandidates = 64;
// Room after the widest line, so that its last character is not at the edge.
constexpr int kExtentPadding = 8;

}  // namespace

LRESULT Win32ListBox::Call(UINT message, WPARAM w, LPARAM l) const {
  return direct_proc_ ? CallWindowProcW(direct_proc_, hwnd(), message, w, l)
                      : SendMessageW(hwnd(), message, w, l);
}

void Win32ListBox::NoteAdded(std::u16string_view text) {
  ++known_items_;
  longest_item_ = std::max(longest_item_, text.size());
}

void Win32ListBox::Clear() {
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
  known_items_ = 0;
  longest_item_ = 0;
  widest_ = WidestLines(measure_ ? kWidthCandidates : 0);
  UpdateHorizontalExtent();
}

void Win32ListBox::AddItem(const std::u16string& text) {
  const std::wstring wide = ToWide(text);
  const LRESULT added =
      SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (added < 0) return;
  NoteAdded(text);
  if (!measure_) return;
  widest_.Offer(static_cast<int>(added), DisplayColumns(text));
  UpdateHorizontalExtent();
}

void Win32ListBox::ReplaceItems(LineSource& lines) {
  RedrawSuspended quiet(hwnd());
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
  known_items_ = 0;
  longest_item_ = 0;
  widest_ = WidestLines(measure_ ? kWidthCandidates : 0);
  std::wstring item;
  std::u16string_view line;
  for (int index = 0; lines.Next(line); ++index) {
    item.assign(line.begin(), line.end());
    const LRESULT added = Call(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    // Out of memory: the lines that fit are shown.
    if (added == LB_ERR || added == LB_ERRSPACE) break;
    NoteAdded(line);
    if (measure_) widest_.Offer(index, DisplayColumns(line));
  }
  UpdateHorizontalExtent();
}

void Win32ListBox::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  if (SendMessageW(hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0) != LB_ERR) {
    --known_items_;
  }
  // The indexes behind it moved: estimate again from what is left.
  if (measure_) {
    widest_ = WidestLines(kWidthCandidates);
    ForEachItem(
        [this](int i, std::u16string_view line) { widest_.Offer(i, DisplayColumns(line)); });
    UpdateHorizontalExtent();
  }
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

void Win32ListBox::ForEachItem(const std::function<void(int, std::u16string_view)>& visit) const {
  const int count = Count();
  // Items added behind this object's back may be longer than it knows.
  const bool lengths_known = count == known_items_;
  std::wstring text(lengths_known ? longest_item_ + 1 : 0, L'\0');
  for (int index = 0; index < count; ++index) {
    if (!lengths_known) {
      const LRESULT length = Call(LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
      if (length == LB_ERR) continue;
      if (text.size() < static_cast<size_t>(length) + 1)
        text.resize(static_cast<size_t>(length) + 1);
    }
    const LRESULT copied =
        Call(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied == LB_ERR) continue;
    visit(index, std::u16string_view(reinterpret_cast<const char16_t*>(text.data()),
                                     static_cast<size_t>(copied)));
  }
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

void Win32ListBox::SelectItems(const std::vector<int>& ascending) {
  RedrawSuspended quiet(hwnd());
  const int count = Count();
  if (!AllowsManySelected()) {
    if (!ascending.empty()) SetSelected(ascending.back());
    return;
  }
  for (size_t i = 0; i < ascending.size();) {
    const int first = ascending[i];
    int last = first;
    while (++i < ascending.size() && ascending[i] == last + 1) last = ascending[i];
    if (first < 0 || last >= count) continue;
    // First before last: the reverse order would deselect the run.
    Call(LB_SELITEMRANGEEX, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
  }
}

bool Win32ListBox::IsSelected(int index) const {
  if (index < 0 || index >= Count()) return false;
  return SendMessageW(hwnd(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void Win32ListBox::MoveCurrentTo(int index) {
  if (index < 0 || index >= Count()) return;
  if (AllowsManySelected()) {
    // The caret moves without touching the selection; FALSE scrolls the
    // item fully into view.
    SendMessageW(hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  } else {
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void Win32ListBox::Repaint() { InvalidateRect(hwnd(), nullptr, TRUE); }

void Win32ListBox::SelectAll() {
  if (AllowsManySelected()) SendMessageW(hwnd(), LB_SETSEL, TRUE, -1);
}

void Win32ListBox::DeselectAll() {
  if (AllowsManySelected()) {
    SendMessageW(hwnd(), LB_SETSEL, FALSE, -1);
  } else {
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
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
  RECT client{};
  GetClientRect(hwnd(), &client);
  if (!PtInRect(&client, client_point)) return kNoItem;
  const LRESULT top = SendMessageW(hwnd(), LB_GETTOPINDEX, 0, 0);
  const LRESULT height = SendMessageW(hwnd(), LB_GETITEMHEIGHT, 0, 0);
  if (top == LB_ERR || height == LB_ERR || height <= 0) return kNoItem;
  const long long index = static_cast<long long>(top) + client_point.y / height;
  return index < Count() ? static_cast<int>(index) : kNoItem;
}

void Win32ListBox::MeasureWidthsWith(WidestMeasure measure) {
  const bool first = !measure_;
  measure_ = std::move(measure);
  if (first) {
    widest_ = WidestLines(kWidthCandidates);
    ForEachItem(
        [this](int i, std::u16string_view line) { widest_.Offer(i, DisplayColumns(line)); });
  }
  UpdateHorizontalExtent();
}

void Win32ListBox::UpdateHorizontalExtent() {
  if (!measure_) return;
  std::vector<std::u16string> candidates;
  for (int index : widest_.Indexes()) candidates.push_back(ItemText(index));
  const int widest = candidates.empty() ? 0 : measure_(candidates);
  SendMessageW(hwnd(), LB_SETHORIZONTALEXTENT,
               static_cast<WPARAM>(widest ? widest + kExtentPadding : 0), 0);
}

bool Win32ListBox::AllowsManySelected() const {
  return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

}  // namespace vorenta
