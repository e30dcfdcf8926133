// The keyword box's hint is read only whole: it must fit the narrow box at
// the DPIs the window meets.

#include <gtest/gtest.h>

#include "platform/win32/wide_string.h"
#include "ui/layout.h"
#include "ui/texts.h"
#include "ui/win32/twips.h"
#include "ui/win32/window_fonts.h"

namespace vorenta {
namespace {

TEST(KeywordBoxHint, FitsTheBoxAt96144And192Dpi) {
  const std::wstring hint = ToWide(texts::kCueKeywordBox);
  for (const int dpi : {96, 144, 192}) {
    const LOGFONTW message = MessageFontAt(dpi);
    const HFONT font = CreateFontIndirectW(&message);
    const HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0,
                                     0, TwipsToPixels(layout::kKeywordBox.width, dpi),
                                     TwipsToPixels(layout::kKeywordBox.height, dpi), nullptr,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The text's room: the box less its margins and its sunken edge, which
    // this window of the system's DPI draws thinner than one at `dpi`.
    RECT room{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const int thicker_edge =
        GetSystemMetricsForDpi(SM_CXEDGE, dpi) - GetSystemMetricsForDpi(SM_CXEDGE, kDefaultDpi);
    SIZE text{};
    const HDC dc = GetDC(box);
    const HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, hint.c_str(), static_cast<int>(hint.size()), &text);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    EXPECT_LE(text.cx, room.right - room.left - 2 * thicker_edge) << dpi << " DPI";
    DestroyWindow(box);
    DeleteObject(font);
  }
}

}  // namespace
}  // namespace vorenta
