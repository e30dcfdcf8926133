#include "ui/win32/mail_pane_drawing.h"

namespace vorenta {

namespace {

struct LineColours {
  COLORREF background, text;
};

struct MarkerColours {
  COLORREF background, text;
};

LineColours ColoursFor(bool selected) {
  return selected ? LineColours{GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)}
                  : LineColours{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
}

// Each keyword's marker, in the shade for the row, under dark text; in high
// contrast only the system's colours, the marker taking the other pair of
// the row.
MarkerColours MarkerFor(int colour, bool selected, bool high_contrast) {
  if (high_contrast) {
    const LineColours other = ColoursFor(!selected);
    return {other.background, other.text};
  }
  const MarkerShades& shades =
      kKeywordMarkers[static_cast<size_t>(colour) % kKeywordMarkers.size()];
  return {ToColorRef(selected ? shades.selected : shades.plain), RGB(0, 0, 0)};
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

bool HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF ToColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

bool DrawOnlyFocus(const DRAWITEMSTRUCT& item) {
  if (item.itemID != static_cast<UINT>(-1) && item.itemAction != ODA_FOCUS) return false;
  if (item.itemAction == ODA_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

void DrawMailLine(const DRAWITEMSTRUCT& item, std::u16string_view text,
                  const std::vector<Highlight>& highlights) {
  const HDC dc = item.hDC;
  const RECT& rect = item.rcItem;
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
  const bool high_contrast = !highlights.empty() && HighContrast();
  for (const Highlight& range : highlights) {
    if (range.begin < 0 || range.end > length || range.begin >= range.end) continue;
    RECT marker = rect;
    marker.left = x + Width(dc, chars, range.begin);
    marker.right = x + Width(dc, chars, range.end);
    if (marker.right <= marker.left) continue;
    const MarkerColours marker_colours = MarkerFor(range.colour, selected, high_contrast);
    SetBkColor(dc, marker_colours.background);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &marker, nullptr, 0, nullptr);
    SetTextColor(dc, marker_colours.text);
    ExtTextOutW(dc, x, rect.top, ETO_CLIPPED, &marker, chars, static_cast<UINT>(length), nullptr);
  }
  SetBkMode(dc, OPAQUE);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rect);
}

}  // namespace vorenta
