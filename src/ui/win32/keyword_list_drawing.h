#pragma once
// How the keyword list draws a keyword: a swatch of its marker colour, its
// text (a placeholder for the empty keyword, a mark after a repeated one)
// and, right-aligned, the lines the last search found it in.

#include <windows.h>

#include <string_view>

#include "ui/search_marks.h"

namespace vorenta {

// Once DrawOnlyFocus (mail_pane_drawing.h) said no.
void DrawKeywordItem(const DRAWITEMSTRUCT& item, std::u16string_view keyword,
                     const KeywordListEntry& entry);

}  // namespace vorenta
