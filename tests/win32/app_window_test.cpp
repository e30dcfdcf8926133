#include "ui/win32/app_window.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "core/sender_pages.h"
#include "platform/memory/memory_files.h"
#include "platform/memory/memory_services.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_system_calls.h"
#include "ui/win32/twips.h"
#include "ui/win32/window_fonts.h"
#include "win32_test_support.h"

namespace vorenta {
namespace {

using testing::ChildRect;
using testing::PumpMessages;

class RecordingProcess : public ProcessStarter {
 public:
  bool Start(const std::u16string& command_line, int show_style) override {
    started.push_back(command_line);
    styles.push_back(show_style);
    return true;
  }
  bool OpenWithDefaultBrowser(const std::u16string& url) override {
    opened.push_back(url);
    return true;
  }
  std::vector<std::u16string> started, opened;
  std::vector<int> styles;
};

// The window logic never touches files; start-up does, and is not run here.
// Without a folder, nothing is read or written.
class NoFiles : public MemoryFiles {
 public:
  NoFiles() : MemoryFiles(u"") {}
};

// Messages are recorded, never shown: nothing may wait for a user here.
class RecordingDialogs : public Dialogs {
 public:
  void Inform(const UserMessage& message) override { told.push_back(message.heading); }
  int Choose(const UserMessage& message, const std::vector<std::u16string>&) override {
    told.push_back(message.heading);
    return kCancelled;
  }
  bool Ask(const UserMessage& question) override {
    told.push_back(question.heading);
    return false;
  }
  std::optional<std::u16string> ChooseFileToSave(const FileQuestion& question) override {
    told.push_back(question.title);
    return std::nullopt;
  }
  std::optional<std::u16string> ChooseFileToOpen(const FileQuestion& question) override {
    told.push_back(question.title);
    return std::nullopt;
  }
  std::vector<std::u16string> told;
};

LPARAM PointIn(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

LRESULT DialogCode(HWND control, UINT message, WPARAM key) {
  MSG msg{control, message, key, 0, 0, {}};
  return SendMessageW(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
}

class AppWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.Create());
    clipboard_ = std::make_unique<Win32Clipboard>(window_.hwnd());
    platform_ = std::make_unique<Platform>(
        Platform{window_.search_button(), window_.mail_pane(), window_.keyword_list(),
                 window_.address_box(), window_.keyword_box(), window_.window(), *clipboard_,
                 process_, files_, system_, dialogs_, outlook_items_, *codec_});
    logic_ = std::make_unique<WindowLogic>(*platform_, settings_);
    logic_->FillUrlChars();
    window_.Attach(*logic_, [this](bool) {
      ++unloads_;
      return true;
    });
  }

  HWND Control(int id) const { return GetDlgItem(window_.hwnd(), id); }
  RECT ItemRect(int list_id, int index) const {
    RECT r{};
    SendMessageW(Control(list_id), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&r));
    return r;
  }
  void RightClickSearchButton(WPARAM keys = 0) {
    const LPARAM point = MAKELPARAM(5, 5);
    SendMessageW(Control(kSearchButtonId), WM_RBUTTONDOWN, MK_RBUTTON | keys, point);
    SendMessageW(Control(kSearchButtonId), WM_RBUTTONUP, keys, point);
  }
  void FillMail(std::initializer_list<const char16_t*> lines) {
    for (const char16_t* line : lines) window_.mail_pane().AddItem(line);
  }
  RECT ClientPixels() const {
    RECT r{};
    GetClientRect(window_.hwnd(), &r);
    return r;
  }
  int Px(float twips) const { return TwipsToPixels(twips, window_.dpi()); }

  AppWindow window_{GetModuleHandleW(nullptr)};
  std::unique_ptr<Win32Clipboard> clipboard_;
  RecordingProcess process_;
  NoFiles files_;
  Win32SystemCalls system_;
  RecordingDialogs dialogs_;
  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
  MemoryOutlookItemFiles outlook_items_;
  SettingsStore settings_{files_, *codec_};
  std::unique_ptr<Platform> platform_;
  std::unique_ptr<WindowLogic> logic_;
  int unloads_ = 0;
};

TEST_F(AppWindowTest, ControlsAreRealControlsFoundByTheirIds) {
  const struct {
    int id;
    const wchar_t* control_class;
  } expected[] = {{kSearchButtonId, L"Button"},
                  {kMailPaneId, L"ListBox"},
                  {kKeywordListId, L"ListBox"},
                  {kAddressBoxId, L"Edit"},
                  {kKeywordBoxId, L"Edit"}};
  for (const auto& e : expected) {
    const HWND control = Control(e.id);
    ASSERT_NE(control, nullptr) << e.id;
    wchar_t found[64]{};
    GetClassNameW(control, found, 64);
    EXPECT_EQ(_wcsicmp(found, e.control_class), 0) << e.id;
    EXPECT_TRUE(GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) << e.id;
  }
  EXPECT_EQ(window_.search_button().hwnd(), Control(kSearchButtonId));
  EXPECT_EQ(window_.keyword_box().hwnd(), Control(kKeywordBoxId));
}

TEST_F(AppWindowTest, CaptionsAreTheProgramNameAndSearch) {
  wchar_t text[64]{};
  GetWindowTextW(window_.hwnd(), text, 64);
  EXPECT_STREQ(text, L"Vorenta");
  GetWindowTextW(Control(kSearchButtonId), text, 64);
  EXPECT_STREQ(text, L"\u691C\u7D22");
}

TEST_F(AppWindowTest, WindowAndListStyles) {
  const auto style = [](HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); };
  EXPECT_EQ(style(window_.hwnd()) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  const LONG_PTR mail_pane = style(Control(kMailPaneId));
  EXPECT_TRUE(mail_pane & LBS_EXTENDEDSEL);
  EXPECT_TRUE(mail_pane & LBS_NOTIFY);
  EXPECT_FALSE(mail_pane & LBS_SORT);
  // The scroll bar shows only once there is something to scroll.
  for (int i = 0; i < 300; ++i) window_.mail_pane().AddItem(u"line");
  EXPECT_TRUE(style(Control(kMailPaneId)) & WS_VSCROLL);
  const LONG_PTR keywords = style(Control(kKeywordListId));
  EXPECT_FALSE(keywords & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL));
  EXPECT_FALSE(keywords & LBS_SORT);
  EXPECT_TRUE(keywords & LBS_NOTIFY);
  EXPECT_FALSE(style(Control(kAddressBoxId)) & ES_MULTILINE);
  EXPECT_FALSE(style(Control(kKeywordBoxId)) & ES_MULTILINE);
}

TEST_F(AppWindowTest, ClientAreaHasTheDesignSize) {
  const RECT client = ClientPixels();
  EXPECT_EQ(client.right, Px(layout::kClientWidth));
  EXPECT_EQ(client.bottom, Px(layout::kClientHeight));
}

TEST_F(AppWindowTest, ControlsStartAtTheirDesignPlacesAndVisibility) {
  const struct {
    int id;
    layout::ControlDesign design;
  } expected[] = {{kSearchButtonId, layout::kSearchButton},
                  {kMailPaneId, layout::kMailPane},
                  {kKeywordListId, layout::kKeywordList},
                  {kAddressBoxId, layout::kAddressBox},
                  {kKeywordBoxId, layout::kKeywordBox}};
  for (const auto& e : expected) {
    const RECT r = ChildRect(Control(e.id));
    EXPECT_EQ(r.left, Px(e.design.left)) << e.id;
    EXPECT_EQ(r.top, Px(e.design.top)) << e.id;
    EXPECT_EQ(r.right, Px(e.design.left + e.design.width)) << e.id;
    EXPECT_EQ(r.bottom, Px(e.design.top + e.design.height)) << e.id;
    EXPECT_EQ((GetWindowLongPtrW(Control(e.id), GWL_STYLE) & WS_VISIBLE) != 0, e.design.visible)
        << e.id;
  }
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

TEST_F(AppWindowTest, MailPaneUsesMsGothic975PointShiftJis) {
  const LOGFONTW font = FontOf(Control(kMailPaneId));
  EXPECT_STREQ(font.lfFaceName, L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfHeight, -MulDiv(975, window_.dpi(), 7200));
}

TEST_F(AppWindowTest, OtherControlsUseTheMessageFont) {
  const LOGFONTW message = MessageFontAt(window_.dpi());
  for (int id : {kSearchButtonId, kKeywordListId, kAddressBoxId, kKeywordBoxId}) {
    const LOGFONTW font = FontOf(Control(id));
    EXPECT_STREQ(font.lfFaceName, message.lfFaceName) << id;
    EXPECT_EQ(font.lfHeight, message.lfHeight) << id;
  }
}

TEST_F(AppWindowTest, TabMovesThroughTheVisibleControlsInOrder) {
  window_.Show(SW_SHOWNORMAL);
  const HWND main = window_.hwnd();
  const auto next = [main](HWND from) { return GetNextDlgTabItem(main, from, FALSE); };
  EXPECT_EQ(next(Control(kSearchButtonId)), Control(kMailPaneId));
  EXPECT_EQ(next(Control(kMailPaneId)), Control(kAddressBoxId));  // the panel is closed
  EXPECT_EQ(next(Control(kAddressBoxId)), Control(kSearchButtonId));

  RightClickSearchButton();
  EXPECT_EQ(next(Control(kSearchButtonId)), Control(kMailPaneId));
  EXPECT_EQ(next(Control(kMailPaneId)), Control(kKeywordListId));
  EXPECT_EQ(next(Control(kKeywordListId)), Control(kAddressBoxId));
  EXPECT_EQ(next(Control(kAddressBoxId)), Control(kKeywordBoxId));
  EXPECT_EQ(next(Control(kKeywordBoxId)), Control(kSearchButtonId));
  EXPECT_EQ(GetNextDlgTabItem(main, Control(kSearchButtonId), TRUE), Control(kKeywordBoxId));
}

TEST_F(AppWindowTest, EnterReachesTheMailPaneAndKeywordBoxButTabDoesNot) {
  for (int id : {kMailPaneId, kKeywordBoxId}) {
    EXPECT_TRUE(DialogCode(Control(id), WM_KEYDOWN, VK_RETURN) & DLGC_WANTMESSAGE) << id;
    EXPECT_FALSE(DialogCode(Control(id), WM_KEYDOWN, VK_TAB) &
                 (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS | DLGC_WANTTAB))
        << id;
  }
}

TEST_F(AppWindowTest, TheMessageLoopGivesEnterToTheKeywordBoxAndTabToTheWindow) {
  window_.Show(SW_SHOWNORMAL);
  RightClickSearchButton();
  SetFocus(Control(kKeywordBoxId));
  window_.keyword_box().SetText(u"k");
  MSG enter{Control(kKeywordBoxId), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(window_.hwnd(), &enter));
  ASSERT_EQ(window_.keyword_list().Count(), 1);
  EXPECT_EQ(window_.keyword_list().ItemText(0), u"k");
  MSG tab{Control(kKeywordBoxId), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(window_.hwnd(), &tab));
  EXPECT_EQ(GetFocus(), Control(kSearchButtonId));
  EXPECT_EQ(window_.keyword_list().Count(), 1);
}

TEST_F(AppWindowTest, SearchButtonHasTheFocusAtStart) {
  window_.Show(SW_SHOWNORMAL);
  EXPECT_EQ(GetFocus(), Control(kSearchButtonId));
}

TEST_F(AppWindowTest, RightClickTogglesTheKeywordPanel) {
  RightClickSearchButton();
  EXPECT_TRUE(window_.keyword_box().IsVisible());
  EXPECT_TRUE(window_.keyword_list().IsVisible());
  EXPECT_EQ(window_.mail_pane().Left(), 1515.0f);
  EXPECT_EQ(ChildRect(Control(kMailPaneId)).left, Px(1515));
  EXPECT_EQ(ChildRect(Control(kAddressBoxId)).left, Px(1515));

  RightClickSearchButton();
  EXPECT_FALSE(window_.keyword_box().IsVisible());
  EXPECT_FALSE(window_.keyword_list().IsVisible());
  EXPECT_EQ(window_.mail_pane().Left(), 60.0f);
  EXPECT_EQ(window_.mail_pane().Width(), 8415.0f);
  EXPECT_EQ(ChildRect(Control(kMailPaneId)).left, Px(60));
}

TEST_F(AppWindowTest, AQuickSecondRightClickTogglesAgain) {
  const LPARAM point = MAKELPARAM(5, 5);
  SendMessageW(Control(kSearchButtonId), WM_RBUTTONDOWN, MK_RBUTTON, point);
  SendMessageW(Control(kSearchButtonId), WM_RBUTTONUP, 0, point);
  SendMessageW(Control(kSearchButtonId), WM_RBUTTONDBLCLK, MK_RBUTTON, point);
  SendMessageW(Control(kSearchButtonId), WM_RBUTTONUP, 0, point);
  EXPECT_FALSE(window_.keyword_box().IsVisible());
}

TEST_F(AppWindowTest, ShiftRightClickOpensTheSendersPageWithoutToggling) {
  const SenderPage& sender = SenderPages().front();
  window_.mail_pane().AddItem(u"From: " + std::u16string(sender.key));
  RightClickSearchButton(MK_SHIFT);
  ASSERT_EQ(process_.started.size(), 1u);
  EXPECT_EQ(process_.started[0], BrowserCommandLine(std::u16string(sender.page)));
  EXPECT_EQ(process_.styles[0], SW_SHOWNOACTIVATE);
  EXPECT_FALSE(window_.keyword_box().IsVisible());

  RightClickSearchButton(MK_SHIFT | MK_CONTROL);
  EXPECT_EQ(process_.started.size(), 1u);
  EXPECT_FALSE(window_.keyword_box().IsVisible());
}

TEST_F(AppWindowTest, LeftClickOnSearchSelectsTheMatchingLinesOnly) {
  logic_->SetKeywords({u"セール"});
  FillMail({u"件名", u"夏のセール開催", u"送料無料", u"セール最終日"});
  SendMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(kSearchButtonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(Control(kSearchButtonId)));
  EXPECT_FALSE(window_.mail_pane().IsSelected(0));
  EXPECT_TRUE(window_.mail_pane().IsSelected(1));
  EXPECT_FALSE(window_.mail_pane().IsSelected(2));
  EXPECT_TRUE(window_.mail_pane().IsSelected(3));
  EXPECT_TRUE(window_.mail_pane().IsVisible());
  EXPECT_FALSE(window_.keyword_box().IsVisible());
}

TEST_F(AppWindowTest, EnterOnTheFocusedSearchButtonRunsTheSearch) {
  logic_->SetKeywords({u"x"});
  FillMail({u"a", u"x"});
  window_.Show(SW_SHOWNORMAL);
  ASSERT_EQ(GetFocus(), Control(kSearchButtonId));
  MSG enter{Control(kSearchButtonId), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(window_.hwnd(), &enter));
  PumpMessages();
  EXPECT_TRUE(window_.mail_pane().IsSelected(1));
}

TEST_F(AppWindowTest, EnterInTheKeywordBoxAddsItsTextAndLeavesTheBox) {
  window_.keyword_box().SetText(u"送料");
  SendMessageW(Control(kKeywordBoxId), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(Control(kKeywordBoxId), WM_CHAR, L'\r', 0);
  SendMessageW(Control(kKeywordBoxId), WM_KEYDOWN, 'A', 0);
  ASSERT_EQ(window_.keyword_list().Count(), 1);
  EXPECT_EQ(window_.keyword_list().ItemText(0), u"送料");
  EXPECT_EQ(window_.keyword_box().Text(), u"送料");
}

TEST_F(AppWindowTest, EnterInTheMailPaneReplacesItWithTheClipboardLines) {
  FillMail({u"old"});
  ASSERT_TRUE(clipboard_->SetText(u"a\r\nhttp://x.jp b\r\n"));
  SendMessageW(Control(kMailPaneId), WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(window_.mail_pane().Count(), 1);
  SendMessageW(Control(kMailPaneId), WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(window_.mail_pane().Count(), 3);
  EXPECT_EQ(window_.mail_pane().ItemText(0), u"a");
  EXPECT_EQ(window_.mail_pane().ItemText(1), u"http://x.jp b");
  EXPECT_EQ(window_.mail_pane().ItemText(2), u"");
  EXPECT_TRUE(window_.mail_pane().IsVisible());
}

TEST_F(AppWindowTest, TheMailPaneKeepsTheFocusWhileItIsRefilled) {
  window_.Show(SW_SHOWNORMAL);
  SetFocus(Control(kMailPaneId));
  ASSERT_EQ(GetFocus(), Control(kMailPaneId));
  ASSERT_TRUE(clipboard_->SetText(u"a\r\nb"));
  SendMessageW(Control(kMailPaneId), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(window_.mail_pane().Count(), 2);
  EXPECT_EQ(GetFocus(), Control(kMailPaneId));
}

TEST_F(AppWindowTest, MovingToALineWithTheKeysCopiesItsAddress) {
  FillMail({u"top", u"詳しくは http://example.jp/a?b=1 をご覧ください"});
  SendMessageW(Control(kMailPaneId), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(window_.mail_pane().CurrentIndex(), 1);
  EXPECT_EQ(window_.address_box().Text(), u"http://example.jp/a?b=1");
  EXPECT_EQ(clipboard_->Text(), u"http://example.jp/a?b=1");
}

TEST_F(AppWindowTest, ClickingALineCopiesItsAddressAlsoWhenAlreadySelected) {
  FillMail({u"top", u"see http://a.jp/x here", u"http://b.jp/"});
  const HWND pane = Control(kMailPaneId);
  const LPARAM line1 = PointIn(ItemRect(kMailPaneId, 1));
  SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, line1);
  SendMessageW(pane, WM_LBUTTONUP, 0, line1);
  EXPECT_EQ(window_.address_box().Text(), u"http://a.jp/x");

  // Select another line as well, then click the selected line 1 again: the
  // release comes before the pointer moves, so it is a click, not a drag.
  window_.mail_pane().SetSelected(2);
  window_.address_box().SetText(u"");
  ASSERT_TRUE(clipboard_->SetText(u"other"));
  PostMessageW(pane, WM_LBUTTONUP, 0, line1);
  SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, line1);
  PumpMessages();
  EXPECT_EQ(window_.address_box().Text(), u"http://a.jp/x");
  EXPECT_EQ(clipboard_->Text(), u"http://a.jp/x");
  EXPECT_TRUE(window_.mail_pane().IsSelected(1));
  EXPECT_FALSE(window_.mail_pane().IsSelected(2));
}

TEST_F(AppWindowTest, ClickingBelowTheLastLineCopiesNothing) {
  FillMail({u"http://a.jp/"});
  window_.address_box().SetText(u"kept");
  const LPARAM below = MAKELPARAM(10, ItemRect(kMailPaneId, 0).bottom + 40);
  SendMessageW(Control(kMailPaneId), WM_LBUTTONDOWN, MK_LBUTTON, below);
  SendMessageW(Control(kMailPaneId), WM_LBUTTONUP, 0, below);
  EXPECT_EQ(window_.address_box().Text(), u"kept");
}

TEST_F(AppWindowTest, DoubleClickOnAKeywordRemovesIt) {
  logic_->SetKeywords({u"a", u"b", u"c"});
  RightClickSearchButton();
  const HWND keywords = Control(kKeywordListId);
  const LPARAM second = PointIn(ItemRect(kKeywordListId, 1));
  SendMessageW(keywords, WM_LBUTTONDOWN, MK_LBUTTON, second);
  SendMessageW(keywords, WM_LBUTTONUP, 0, second);
  SendMessageW(keywords, WM_LBUTTONDBLCLK, MK_LBUTTON, second);
  SendMessageW(keywords, WM_LBUTTONUP, 0, second);
  ASSERT_EQ(window_.keyword_list().Count(), 2);
  EXPECT_EQ(window_.keyword_list().ItemText(0), u"a");
  EXPECT_EQ(window_.keyword_list().ItemText(1), u"c");
}

TEST_F(AppWindowTest, MinimumTrackingSizeIsTheMinimumOuterSize) {
  MINMAXINFO limits{};
  SendMessageW(window_.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, TwipsToPixelsAtLeast(3300, window_.dpi()));
  EXPECT_EQ(limits.ptMinTrackSize.y, TwipsToPixelsAtLeast(1850, window_.dpi()));
}

TEST_F(AppWindowTest, ATooSmallWindowIsHeldAtTheMinimum) {
  window_.Show(SW_SHOWNORMAL);
  SetWindowPos(window_.hwnd(), nullptr, 0, 0, 50, 30, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_GE(window_.window().OuterWidth(), 3300.0f);
  EXPECT_GE(window_.window().OuterHeight(), 1850.0f);
}

TEST_F(AppWindowTest, ResizingKeepsTheMarginsInsideTheClientArea) {
  window_.Show(SW_SHOWNORMAL);
  SetWindowPos(window_.hwnd(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
  const float width = window_.window().ClientWidth();
  const float height = window_.window().ClientHeight();
  EXPECT_EQ(window_.search_button().Left(), width - 1245);
  EXPECT_EQ(window_.address_box().Width(), width - 1410);
  EXPECT_EQ(window_.mail_pane().Width(), width - 150);
  EXPECT_EQ(window_.mail_pane().Height(), height - 570);
  EXPECT_EQ(window_.keyword_list().Height(), height - 570);
  const RECT client = ClientPixels();
  EXPECT_EQ(ChildRect(Control(kMailPaneId)).right, Px(width - 90));
  EXPECT_LE(ChildRect(Control(kSearchButtonId)).right, client.right);
}

TEST_F(AppWindowTest, MinimisingChangesNothing) {
  window_.Show(SW_SHOWNORMAL);
  const float button_left = window_.search_button().Left();
  const float pane_width = window_.mail_pane().Width();
  ShowWindow(window_.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(window_.hwnd()));
  EXPECT_EQ(window_.search_button().Left(), button_left);
  EXPECT_EQ(window_.mail_pane().Width(), pane_width);
  EXPECT_FALSE(window_.window().SetOuterWidth(5000));
}

TEST_F(AppWindowTest, ADpiChangeRescalesFontsAndControls) {
  window_.Show(SW_SHOWNORMAL);
  RightClickSearchButton();
  RECT outer{};
  GetWindowRect(window_.hwnd(), &outer);
  const int old_dpi = window_.dpi();
  const int new_dpi = old_dpi * 3 / 2;
  RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                 outer.top + (outer.bottom - outer.top) * 3 / 2};
  SendMessageW(window_.hwnd(), WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
               reinterpret_cast<LPARAM>(&suggested));

  EXPECT_EQ(window_.dpi(), new_dpi);
  EXPECT_EQ(FontOf(Control(kMailPaneId)).lfHeight, -MulDiv(975, new_dpi, 7200));
  // Controls the layout does not touch are placed again from their twips.
  const RECT keyword_box = ChildRect(Control(kKeywordBoxId));
  EXPECT_EQ(keyword_box.left, TwipsToPixels(60, new_dpi));
  EXPECT_EQ(keyword_box.right, TwipsToPixels(60 + 1395, new_dpi));
  EXPECT_EQ(keyword_box.bottom, TwipsToPixels(60 + 330, new_dpi));
  // And the layout ran for the new client area.
  const float width = window_.window().ClientWidth();
  EXPECT_EQ(window_.search_button().Left(), width - 1245);
  EXPECT_EQ(ChildRect(Control(kSearchButtonId)).left, TwipsToPixels(width - 1245, new_dpi));
  EXPECT_EQ(window_.mail_pane().Left(), 1515.0f);

  MINMAXINFO limits{};
  SendMessageW(window_.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, TwipsToPixelsAtLeast(3300, new_dpi));
}

TEST_F(AppWindowTest, ClosingRunsTheCloseHandlerOnceAndEndsTheWindow) {
  SendMessageW(window_.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(unloads_, 1);
  EXPECT_EQ(window_.hwnd(), nullptr);
}

TEST_F(AppWindowTest, ShuttingDownRunsTheCloseHandlerOnce) {
  const HWND main = window_.hwnd();
  EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(unloads_, 1);
  SendMessageW(main, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(unloads_, 1);
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(AppWindowTest, ACalledOffShutdownSavesAgainAtTheRealClose) {
  const HWND main = window_.hwnd();
  SendMessageW(main, WM_QUERYENDSESSION, 0, 0);
  SendMessageW(main, WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(IsWindow(main));
  EXPECT_EQ(unloads_, 1);
  SendMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(unloads_, 2);
}

TEST_F(AppWindowTest, SizeIsReportedInTwipsOfTheWindowsDpi) {
  RECT outer{};
  GetWindowRect(window_.hwnd(), &outer);
  EXPECT_EQ(window_.window().OuterWidth(), PixelsToTwips(outer.right - outer.left, window_.dpi()));
  EXPECT_EQ(window_.window().Left(), PixelsToTwips(outer.left, window_.dpi()));
  EXPECT_EQ(window_.window().Handle(), reinterpret_cast<std::intptr_t>(window_.hwnd()));
  // A size between two pixels is rounded up, never down below the request.
  ASSERT_TRUE(window_.window().SetOuterWidth(6000.5f));
  EXPECT_GE(window_.window().OuterWidth(), 6000.5f);
  EXPECT_LT(window_.window().OuterWidth(), 6000.5f + PixelsToTwips(1, window_.dpi()));
  ASSERT_TRUE(window_.window().SetOuterHeight(2000.5f));
  EXPECT_GE(window_.window().OuterHeight(), 2000.5f);
  EXPECT_LT(window_.window().OuterHeight(), 2000.5f + PixelsToTwips(1, window_.dpi()));
}

// Alt+Space then a letter runs the entry with that letter; a letter two
// entries share only moves between them, so ours must not take one of the
// system's own (Alt+Space, C closes the window).
TEST_F(AppWindowTest, EverySystemMenuEntryHasALetterOfItsOwn) {
  const HMENU menu = GetSystemMenu(window_.hwnd(), FALSE);
  std::map<wchar_t, std::vector<std::wstring>> entries_by_letter;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256]{};
    GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
    const wchar_t* amp = wcschr(text, L'&');
    while (amp && amp[1] == L'&') amp = wcschr(amp + 2, L'&');
    if (amp && amp[1]) entries_by_letter[towupper(amp[1])].push_back(text);
  }
  EXPECT_GE(entries_by_letter.size(), 10u) << "the program's entries and the system's";
  for (const auto& [letter, entries] : entries_by_letter) {
    EXPECT_EQ(entries.size(), 1u) << "letter " << static_cast<char>(letter);
  }
}

}  // namespace
}  // namespace vorenta
