// Shift + right button on the Search button opens the sender's page in the
// browser; the browser of the test prefix is a stub that records its start.

#include <gtest/gtest.h>

#include <cstring>

#include "control_state.h"
#include "file_bytes.h"
#include "newsletter.h"
#include "program_paths.h"
#include "real_input.h"
#include "text_convert.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

struct BrowserStart {
  std::u16string command_line;
  std::u16string show;
};

// What the stub wrote: its command line, then "show=N".
std::optional<BrowserStart> ReadBrowserStart(const VorentaSession& vorenta) {
  const std::optional<std::string> bytes = ReadFileBytes(vorenta.PathOf(kBrowserLogFile));
  if (!bytes) return std::nullopt;
  std::u16string text(bytes->size() / 2, u'\0');
  std::memcpy(text.data(), bytes->data(), text.size() * 2);
  const size_t first_break = text.find(u'\n');
  if (first_break == std::u16string::npos) return std::nullopt;
  const size_t second_break = text.find(u'\n', first_break + 1);
  return BrowserStart{text.substr(0, first_break),
                      text.substr(first_break + 1, second_break - first_break - 1)};
}

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
      const auto lines = ListItems(vorenta.control(kList1));
      return !lines.empty() && mail.starts_with(lines.front());
    }));
  }

  void RightClickSearchButton(unsigned modifiers) {
    Click(CenterOf(vorenta.control(kCommand1)), MouseButton::kRight, modifiers);
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
  EXPECT_FALSE(IsWindowVisible(vorenta.control(kText2))) << "Shift must not toggle the panel";
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
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kText2)) != FALSE; }));

  // Give a wrongly started browser the time to write its record.
  PumpFor(std::chrono::milliseconds(2000));
  EXPECT_FALSE(FileExists(vorenta.PathOf(kBrowserLogFile)));
}

}  // namespace
}  // namespace vorenta_e2e
