// After a search, as the user goes through it: F3 and Shift+F3, the count in
// the title, and Enter in the address box opening the page in the browser.

#include <gtest/gtest.h>

#include "browser_stub_log.h"
#include "control_state.h"
#include "file_bytes.h"
#include "gestures.h"
#include "message_dialogs.h"
#include "newsletter.h"
#include "program_paths.h"
#include "real_input.h"
#include "text_convert.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

int CaretIndex(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)); }

TEST(FindYourWay, F3AndShiftF3MoveTheCurrentLineAndTheTitleCountsTheHits) {
  VorentaSession vorenta(
      {.keyword_file_bytes = std::string(kSaleCp932) + "\r\n" + kNewArrivalsCp932 + "\r\n"});
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));
  EXPECT_EQ(ControlText(vorenta.window()), u"Vorenta");
  Search(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return SelectedIndexes(pane) == std::vector<int>{3, 6}; }));
  EXPECT_EQ(ControlText(vorenta.window()), u"Vorenta - 2 行");
  const std::u16string address = ControlText(vorenta.control(kAddressBox));

  std::vector<int> visited;
  for (const unsigned modifiers : {kNoModifier, kNoModifier, kNoModifier, kShift}) {
    const int before = CaretIndex(pane);
    PressKey(VK_F3, modifiers);
    EXPECT_TRUE(WaitUntil([&] { return CaretIndex(pane) != before; }));
    visited.push_back(CaretIndex(pane));
  }
  EXPECT_EQ(visited, (std::vector<int>{3, 6, 3, 6}));
  EXPECT_EQ(SelectedIndexes(pane), (std::vector<int>{3, 6}));
  EXPECT_EQ(ControlText(vorenta.control(kAddressBox)), address) << "moving copies nothing";

  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  EXPECT_TRUE(WaitUntil([&] { return ControlText(vorenta.window()) == u"Vorenta"; }));
}

// The prefix's handler of web addresses is the browser stub while the test
// runs: what the system starts for the user's default browser.
class WebAddressHandler {
 public:
  WebAddressHandler() {
    const std::wstring command = L"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" \"%1\"";
    ok_ = RegSetKeyValueW(HKEY_CLASSES_ROOT, kKey, nullptr, REG_SZ, command.c_str(),
                          static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) ==
          ERROR_SUCCESS;
  }
  ~WebAddressHandler() { RegDeleteTreeW(HKEY_CLASSES_ROOT, L"http"); }
  bool ok() const { return ok_; }

 private:
  static constexpr wchar_t kKey[] = L"http\\shell\\open\\command";
  bool ok_ = false;
};

TEST(FindYourWay, EnterInTheAddressBoxOpensAWebAddressAndRefusesAScript) {
  if (!RunningUnderWine() || Programs().stub_browser_exe.empty()) {
    GTEST_SKIP() << "needs the browser stub in a throw-away Wine prefix";
  }
  WebAddressHandler handler;
  ASSERT_TRUE(handler.ok());
  VorentaSession vorenta;
  ASSERT_TRUE(vorenta.BringToFront());
  const HWND box = vorenta.control(kAddressBox);
  const auto enter_in_box = [&](const std::u16string& text) {
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Click(CenterOf(box));
    PressKey(VK_END);
    PressKey(VK_RETURN);
  };

  enter_in_box(u"javascript:alert(1)");
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; }));
  EXPECT_NE(DialogText(dialog).find(u"http://"), std::u16string::npos) << Utf8(DialogText(dialog));
  ASSERT_TRUE(PressDialogButton(dialog, u"OK"));
  ASSERT_TRUE(WaitUntil([&] { return FindDialogOf(vorenta.process_id()) == nullptr; }));
  EXPECT_FALSE(ReadBrowserStart(vorenta).has_value());

  enter_in_box(u"http://shop.example/new?id=1");
  ASSERT_TRUE(WaitUntil([&] { return ReadBrowserStart(vorenta).has_value(); }))
      << "the browser was not started";
  EXPECT_NE(ReadBrowserStart(vorenta)->command_line.find(u"http://shop.example/new?id=1"),
            std::u16string::npos)
      << Utf8(ReadBrowserStart(vorenta)->command_line);
}

}  // namespace
}  // namespace vorenta_e2e
