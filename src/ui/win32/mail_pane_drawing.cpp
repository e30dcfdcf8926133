#include "ui/win32/mail_pane_drawing.h"

namespace vorenta {

namespace {

struct LineColours {
  COLORREF background, text, marker, marker_text;
};

bool HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A yellow marker on white rows, an amber one on the selection's colour,
// both under dark text; in high contrast only the system's colours, the
// marker taking the other pair of the row.
LineColours ColoursFor(bool selected) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF window_text = GetSysColor(COLOR_WINDOWTEXT);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF highlight_text = GetSysColor(COLOR_HIGHLIGHTTEXT);
  if (HighContrast()) {
    return selected ? LineColours{highlight, highlight_text, window, window_text}
                    : LineColours{window, window_text, highlight, highlight_text};
  }
  constexpr COLORREF kMarkerText = RGB(0, 0, 0);
  return selected ? LineColours{highlight, highlight_text, RGB(255, 196, 64), kMarkerText}
                  : LineColours{window, window_text, RGB(255, 236, 112), kMarkerText};
}

int Width(HDC dc, const wchar_t* text, int length) {
  SIZE size{};
  if (length <= 0 || !GetTextExtentPoint32W(dc, text, length, &size)) return 0;
  return size.cx;
}

}  // namespace

int MeasureLine(HDC dc, std::u16string_view text) {
  return Width(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()));
}

void DrawMailLine(const DRAWITEMSTRUCT& item, std::u16string_view text,
                  const std::vector<TextRange>& highlights) {
  const HDC dc = item.hDC;
  const RECT& rect = item.rcItem;
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(dc, &rect);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const LineColours colours = ColoursFor(selected);
  const auto* chars = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int x = rect.left + kMailLineIndent;

  SetBkColor(dc, colours.background);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.text);
  ExtTextOutW(dc, x, rect.top, ETO_CLIPPED, &rect, chars, static_cast<UINT>(length), nullptr);

  // Each found run: its background, then its text again in the marker's
  // colour, clipped to the run, so that the run reads the same as before.
  for (const TextRange& range : highlights) {
    if (range.begin < 0 || range.end > length || range.begin >= range.end) continue;
    RECT marker = rect;
    marker.left = x + Width(dc, chars, range.begin);
    marker.right = x + Width(dc, chars, range.end);
    if (marker.right <= marker.left) continue;
    SetBkColor(dc, colours.marker);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &marker, nullptr, 0, nullptr);
    SetTextColor(dc, colours.marker_text);
    ExtTextOutW(dc, x, rect.top, ETO_CLIPPED, &marker, chars, static_cast<UINT>(length), nullptr);
  }
  SetBkMode(dc, OPAQUE);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rect);
}

}  // namespace vorenta
