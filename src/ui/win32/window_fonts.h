#pragma once
// The two fonts of the main window at one DPI: the mail pane's fixed-pitch
// Japanese font and the system's message font for everything else.

#include <windows.h>

namespace vorenta {

// "ＭＳ ゴシック" 9.75 pt, normal weight, Shift_JIS.
LOGFONTW MailPaneFontAt(int dpi);
LOGFONTW MessageFontAt(int dpi);

// The fonts live as long as the object: controls must be given the fonts of
// a new object before the old one goes.
class WindowFonts {
 public:
  explicit WindowFonts(int dpi);
  ~WindowFonts();
  WindowFonts(const WindowFonts&) = delete;
  WindowFonts& operator=(const WindowFonts&) = delete;

  HFONT mail_pane() const { return mail_pane_; }
  HFONT message() const { return message_; }

 private:
  HFONT mail_pane_ = nullptr;
  HFONT message_ = nullptr;
};

}  // namespace vorenta
