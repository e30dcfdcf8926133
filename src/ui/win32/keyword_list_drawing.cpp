#include "ui/win32/keyword_list_drawing.h"

#include <algorithm>
#include <string>

#include "ui/keyword_colours.h"
#include "ui/texts.h"
#include "ui/win32/mail_pane_drawing.h"

namespace vorenta {

namespace {

constexpr int kGap = 4;

void DrawText(HDC dc, std::wstring_view text, RECT rect, UINT format) {
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
            format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

int TextWidth(HDC dc, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::wstring_view Wide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

}  // namespace

void DrawKeywordItem(const DRAWITEMSTRUCT& item, std::u16string_view keyword,
                     const KeywordListEntry& entry) {
  const HDC dc = item.hDC;
  const RECT& rect = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  // Muted on plain rows; the selection's own text colour keeps it readable.
  const COLORREF muted = selected ? text : GetSysColor(COLOR_GRAYTEXT);
  SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkMode(dc, TRANSPARENT);

  const int height = rect.bottom - rect.top;
  RECT swatch{rect.left + 3, rect.top + 3, rect.left + height - 3, rect.bottom - 3};
  if (entry.colour && !HighContrast() && swatch.right > swatch.left) {
    const MarkerShades& shades =
        kKeywordMarkers[static_cast<size_t>(*entry.colour) % kKeywordMarkers.size()];
    const HBRUSH brush = CreateSolidBrush(ToColorRef(shades.selected));
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
  }

  RECT text_rect = rect;
  text_rect.left = rect.left + height;
  text_rect.right = rect.right - kGap;
  if (entry.lines) {
    const std::wstring count = std::to_wstring(*entry.lines);
    SetTextColor(dc, muted);
    DrawText(dc, count, text_rect, DT_RIGHT);
    text_rect.right -= TextWidth(dc, count) + kGap;
  }
  // A keyword the last search found in no line is muted as a whole.
  const bool found_nothing = entry.lines && *entry.lines == 0;
  SetTextColor(dc, entry.empty || found_nothing ? muted : text);
  if (entry.empty) {
    DrawText(dc, Wide(texts::kEmptyKeyword), text_rect, DT_LEFT | DT_END_ELLIPSIS);
  } else if (!entry.repeated) {
    DrawText(dc, Wide(keyword), text_rect, DT_LEFT | DT_END_ELLIPSIS);
  } else {
    // The mark stays whole and muted after the keyword, cut short if need be.
    const std::wstring_view mark = Wide(texts::kRepeatedKeyword);
    RECT keyword_rect = text_rect;
    keyword_rect.right = std::max(text_rect.left, text_rect.right - TextWidth(dc, mark));
    DrawText(dc, Wide(keyword), keyword_rect, DT_LEFT | DT_END_ELLIPSIS);
    RECT mark_rect = text_rect;
    mark_rect.left = std::min(keyword_rect.right, text_rect.left + TextWidth(dc, Wide(keyword)));
    SetTextColor(dc, muted);
    DrawText(dc, mark, mark_rect, DT_LEFT | DT_END_ELLIPSIS);
  }
  SetBkMode(dc, OPAQUE);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rect);
}

}  // namespace vorenta
