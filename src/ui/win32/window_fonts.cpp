#include "ui/win32/window_fonts.h"

#include <cwchar>

#include "ui/win32/twips.h"

namespace vorenta {

namespace {

constexpr int kPointsPerInch = 72;
// 9.75 pt in hundredths of a point, to stay in integers.
constexpr int kMailPaneCentipoints = 975;
constexpr wchar_t kMailPaneFace[] = L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF";

}  // namespace

LOGFONTW MailPaneFontAt(int dpi) {
  LOGFONTW font{};
  // Negative: the character height without the internal leading, which is
  // what a point size means.
  font.lfHeight = -MulDiv(kMailPaneCentipoints, dpi, kPointsPerInch * 100);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  wcsncpy(font.lfFaceName, kMailPaneFace, LF_FACESIZE - 1);
  return font;
}

LOGFONTW MessageFontAt(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                 static_cast<UINT>(dpi))) {
    return metrics.lfMessageFont;
  }
  // Older systems know only the system DPI: scale from there.
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, dpi, static_cast<int>(GetDpiForSystem()));
    return metrics.lfMessageFont;
  }
  LOGFONTW fallback{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
  fallback.lfHeight = MulDiv(fallback.lfHeight, dpi, kDefaultDpi);
  return fallback;
}

WindowFonts::WindowFonts(int dpi) {
  const LOGFONTW mail_pane = MailPaneFontAt(dpi);
  const LOGFONTW message = MessageFontAt(dpi);
  mail_pane_ = CreateFontIndirectW(&mail_pane);
  message_ = CreateFontIndirectW(&message);
}

WindowFonts::~WindowFonts() {
  if (mail_pane_) DeleteObject(mail_pane_);
  if (message_) DeleteObject(message_);
}

}  // namespace vorenta
