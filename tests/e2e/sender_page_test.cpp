// Shift + right button on the Search button opens the sender's page in the
// browser; the browser of the test prefix is a stub that records its start.

#include <gtest/gtest.h>

#include "browser_stub_log.h"
#include "control_state.h"
#include "file_bytes.h"
#include "message_dialogs.h"
#include "newsletter.h"
#include "program_paths.h"
#include "real_input.h"
#include "text_convert.h"
#include "ui/system_menu.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

class SenderPage : public testing::Test {
 protected:
  void SetUp() override {
    if (!RunningUnderWine() || Programs().stub_browser_exe.empty()) {
      GTEST_SKIP() << "needs the browser stub in a throw-away Wine prefix";
    }
  }

  void Paste(const std::u16string& mail) {
    ASSERT_TRUE(PasteMail(vorenta.window(), mail));
    ASSERT_TRUE(WaitUntil([&] {
      const auto lines = ListItems(vorenta.control(kMailPane));
      return !lines.empty() && mail.starts_with(lines.front());
    }));
  }

  void RightClickSearchButton(unsigned modifiers) {
    Click(CenterOf(vorenta.control(kSearchButton)), MouseButton::kRight, modifiers);
  }

  // The command line of the browser that Shift + right-click starts.
  std::u16string BrowserStartedByShiftRightClick() {
    DeleteFileW(vorenta.PathOf(kBrowserLogFile).c_str());
    RightClickSearchButton(kShift);
    if (!WaitUntil([&] { return ReadBrowserStart(vorenta).has_value(); })) return u"(none)";
    return ReadBrowserStart(vorenta)->command_line;
  }

  VorentaSession vorenta;
};

TEST_F(SenderPage, ShiftRightClickStartsTheBrowserWithTheSendersPage) {
  ASSERT_TRUE(vorenta.BringToFront());
  Paste(kNewsletter);
  RightClickSearchButton(kShift);

  ASSERT_TRUE(WaitUntil([&] { return ReadBrowserStart(vorenta).has_value(); }))
      << "the browser was not started";
  const BrowserStart start = *ReadBrowserStart(vorenta);
  EXPECT_EQ(start.command_line,
            u"\"C:\\Program Files\\Internet Explorer\\Iexplore.exe\" " + kSenderPage)
      << Utf8(start.command_line);
  EXPECT_EQ(start.show, u"show=4") << "a normal window that leaves the focus alone";
  EXPECT_FALSE(IsWindowVisible(vorenta.control(kKeywordBox))) << "Shift must not toggle the panel";
  EXPECT_TRUE(vorenta.IsRunning());
}

TEST_F(SenderPage, OtherSendersAndOtherModifiersStartNothing) {
  ASSERT_TRUE(vorenta.BringToFront());
  // The sender's address with one capital too many is another sender.
  Paste(u"From: News@shop-aoba.example.jp>\r\n本文\r\n");
  RightClickSearchButton(kShift);
  // A "<" left before the address after the six-character prefix.
  Paste(u"From: <news@shop-aoba.example.jp>\r\n本文\r\n");
  RightClickSearchButton(kShift);

  Paste(kNewsletter);
  RightClickSearchButton(kShift | kCtrl);
  // A plain right click toggles; had Shift+Ctrl toggled too, this would close.
  RightClickSearchButton(kNoModifier);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE; }));

  // Give a wrongly started browser the time to write its record.
  PumpFor(std::chrono::milliseconds(2000));
  EXPECT_FALSE(FileExists(vorenta.PathOf(kBrowserLogFile)));
}

// Shops the user adds live in SMsenders.txt beside the program: read at
// start, and one more row appended by the system menu's command once the
// user said yes.
TEST_F(SenderPage, TheUsersSenderFileIsUsedAndTheMenuCommandAddsToIt) {
  const std::string file_start =
      "\xEF\xBB\xBF# user "
      "shops\r\nnews@user-shop.example>\thttp://www.example.com/user/new.html\r\n";
  ASSERT_TRUE(WriteFileBytes(vorenta.PathOf(L"SMsenders.txt"), file_start));
  vorenta.Restart();
  ASSERT_TRUE(vorenta.BringToFront());
  Paste(u"From: news@user-shop.example>\r\n件名: お知らせ\r\n");
  EXPECT_EQ(BrowserStartedByShiftRightClick(),
            u"\"C:\\Program Files\\Internet Explorer\\Iexplore.exe\" "
            u"http://www.example.com/user/new.html");

  const std::u16string second_shop =
      u"From: mail@second-shop.example>\r\n件名: 入荷のお知らせ\r\n"
      u"新着は http://www.example.com/second/arrivals.html をご覧ください\r\n";
  Paste(second_shop);
  ClickMailLine(vorenta.window(), 2);
  ASSERT_TRUE(WaitUntil([&] {
    return ControlText(vorenta.control(kAddressBox)) ==
           u"http://www.example.com/second/arrivals.html";
  }));
  // Asked first: no leaves the file as it was, yes appends the row.
  HWND dialog = nullptr;
  const auto ask = [&] {
    PostMessageW(vorenta.window(), WM_SYSCOMMAND,
                 vorenta::SystemMenuId(vorenta::MenuCommand::kRegisterSender), 0);
    return WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; });
  };
  ASSERT_TRUE(ask());
  EXPECT_NE(DialogText(dialog).find(u"mail@second-shop.example>"), std::u16string::npos)
      << Utf8(DialogText(dialog));
  ASSERT_TRUE(PressDialogButton(dialog, u"いいえ"));
  ASSERT_TRUE(WaitUntil([&] { return FindDialogOf(vorenta.process_id()) == nullptr; }));
  EXPECT_EQ(ReadFileBytes(vorenta.PathOf(L"SMsenders.txt")), file_start);

  ASSERT_TRUE(ask());
  ASSERT_TRUE(PressDialogButton(dialog, u"はい"));
  ASSERT_TRUE(WaitUntil([&] {
    const HWND told = FindDialogOf(vorenta.process_id());
    return told && told != dialog && (dialog = told);
  }));
  ASSERT_TRUE(PressDialogButton(dialog, u"OK"));
  EXPECT_EQ(
      ReadFileBytes(vorenta.PathOf(L"SMsenders.txt")),
      file_start + "mail@second-shop.example>\thttp://www.example.com/second/arrivals.html\r\n");

  vorenta.Restart();
  ASSERT_TRUE(vorenta.BringToFront());
  Paste(second_shop);
  EXPECT_EQ(BrowserStartedByShiftRightClick(),
            u"\"C:\\Program Files\\Internet Explorer\\Iexplore.exe\" "
            u"http://www.example.com/second/arrivals.html");
}

}  // namespace
}  // namespace vorenta_e2e
