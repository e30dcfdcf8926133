#include "ui/win32/list_hint_drawing.h"

#include <algorithm>

#include "platform/win32/scoped_win32.h"

namespace vorenta {

namespace {

constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

void DrawListHint(HDC dc, const RECT& client, HFONT font, std::u16string_view hint) {
  if (hint.empty()) return;
  const FontSelected selected(dc, font);
  const auto* text = reinterpret_cast<const wchar_t*>(hint.data());
  const int length = static_cast<int>(hint.size());
  // A margin of one average character, so that the hint never touches the
  // frame; centred in the height that its lines take.
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT area = client;
  InflateRect(&area, -static_cast<int>(metrics.tmAveCharWidth), 0);
  RECT measured = area;
  DrawTextW(dc, text, length, &measured, kFormat | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  area.top = client.top + std::max(0L, (client.bottom - client.top - height) / 2);
  area.bottom = area.top + height;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, text, length, &area, kFormat);
  SetBkMode(dc, OPAQUE);
}

}  // namespace vorenta
