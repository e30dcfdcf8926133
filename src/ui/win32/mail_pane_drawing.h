#pragma once
// How the mail pane draws a line: its text in the list's font, and a
// marker-like background behind each run that the search found.

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/keyword_colours.h"
#include "ui/search_marks.h"

namespace vorenta {

// Room left of the text, as a plain list box leaves it.
inline constexpr int kMailLineIndent = 2;

// An owner-drawn list's item when only its focus changes, or the focus of
// an empty list: the focus rectangle is all there is to draw. True when
// that was all.
bool DrawOnlyFocus(const DRAWITEMSTRUCT& item);

// Draws one item of the owner-drawn mail pane, once DrawOnlyFocus said no.
// The list box gives the item rectangle shifted by its horizontal scroll
// position.
void DrawMailLine(const DRAWITEMSTRUCT& item, std::u16string_view text,
                  const std::vector<Highlight>& highlights);

// Whether the user asked for high contrast: then only system colours.
bool HighContrast();
COLORREF ToColorRef(const Rgb& rgb);

// The line's width in pixels in the font selected into the device context.
int MeasureLine(HDC dc, std::u16string_view text);

}  // namespace vorenta
