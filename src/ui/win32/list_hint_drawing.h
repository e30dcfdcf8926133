#pragma once
// A hint drawn in an empty list's client area, where nothing was drawn
// before: grey, centred, wrapped at spaces.

#include <windows.h>

#include <string_view>

namespace vorenta {

void DrawListHint(HDC dc, const RECT& client, HFONT font, std::u16string_view hint);

}  // namespace vorenta
