// The everyday use: paste a newsletter, keep keywords, search, copy an address.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "control_state.h"
#include "file_bytes.h"
#include "newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

using std::chrono::milliseconds;

TEST(TypicalRoad, PasteAddKeywordsSearchAndCopyAnAddress) {
  VorentaSession vorenta;
  const HWND window = vorenta.window();
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());

  // A first paste, then the newsletter: Enter replaces the pane, never appends.
  ASSERT_TRUE(PasteMail(window, u"前のメール\r\n二行目"));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane).size() == 2; }));
  ASSERT_TRUE(SetClipboardText(kNewsletter));
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }))
      << "pane holds " << ListItems(pane).size() << " lines";

  ToggleKeywordPanel(window);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE; }));
  EnterKeyword(window, u"セール");
  EnterKeyword(window, u"送料");
  const std::vector<std::u16string> keywords = {u"セール", u"送料"};
  ASSERT_TRUE(WaitUntil([&] { return ListItems(vorenta.control(kKeywordList)) == keywords; }));
  EXPECT_TRUE(SelectedIndexes(pane).empty()) << "adding keywords must not search";

  Search(window);
  const std::vector<int> hits = {kSaleLine, kFreeShippingLine};
  EXPECT_TRUE(WaitUntil([&] { return SelectedIndexes(pane) == hits; }));
  EXPECT_TRUE(IsWindowVisible(vorenta.control(kKeywordBox))) << "a left click must not toggle";

  ClickMailLine(window, kAddressLine);
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(vorenta.control(kAddressBox)) == kAddressOfLine4 &&
           ClipboardText() == kAddressOfLine4;
  }));

  // "HTTP" in capitals is no address: box and clipboard keep the last one.
  ClickMailLine(window, kCapitalsLine);
  PumpFor(milliseconds(800));
  EXPECT_EQ(ControlText(vorenta.control(kAddressBox)), kAddressOfLine4);
  EXPECT_EQ(ClipboardText(), kAddressOfLine4);

  // An address ends before the full-width bracket that follows it.
  ClickMailLine(window, kFreeShippingLine);
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(vorenta.control(kAddressBox)) == kAddressOfLine5 &&
           ClipboardText() == kAddressOfLine5;
  }));

  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());
  EXPECT_EQ(ReadFileBytes(vorenta.PathOf(kKeywordFile)),
            std::string(kSaleCp932) + "\r\n" + kPostageCp932 + "\r\n");
}

TEST(TypicalRoad, RightClickTogglesWithoutSearching) {
  VorentaSession vorenta({.keyword_file_bytes = std::string(kSaleCp932) + "\r\n"});
  const HWND window = vorenta.window();
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(window, kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));

  ToggleKeywordPanel(window);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordList)) != FALSE; }));
  PumpFor(milliseconds(500));
  EXPECT_TRUE(SelectedIndexes(pane).empty());
}

}  // namespace
}  // namespace vorenta_e2e
