#pragma once
// The main window's logic: its handlers and methods, written only against the
// platform operations so that it runs on real controls and on the in-memory
// model alike.

#include <string>
#include <vector>

#include "ui/platform.h"

namespace vorenta {

inline constexpr int kKeyEnter = 13;
inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;
inline constexpr int kShowNoActivate = 4;  // SW_SHOWNOACTIVATE

class Form1 {
 public:
  explicit Form1(Platform& platform);

  // Window methods.
  void GetMLData(const std::u16string& mail_text);
  int HANTEI(int line_index) const;
  int LN1(const std::u16string& s, int p) const;
  void FillUrlChars();
  const std::vector<char16_t>& UrlChars() const { return url_chars_; }

  // Handlers.
  void Form_Resize();
  void Command1_Click();
  void Command1_MouseDown(int button, int shift);
  void List1_Click();
  void List1_KeyDown(int key_code, int shift);
  void List1_OLEDragDrop(const DropData& data);
  void Text2_KeyDown(int key_code, int shift);
  void List2_DblClick();

  bool IsKeywordPanelOpen() const;
  // True once the user added or removed a keyword during this run.
  bool KeywordsEdited() const { return keywords_edited_; }
  std::vector<std::u16string> Keywords() const;
  void SetKeywords(const std::vector<std::u16string>& keywords);

  Platform& platform() { return p_; }

 private:
  void ToggleKeywordPanel();
  void OpenSenderPage();

  Platform& p_;
  std::vector<char16_t> url_chars_;
  bool keywords_edited_ = false;
};

}  // namespace vorenta
