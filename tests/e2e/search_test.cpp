// The search as the user sees it: the fuzzy option from the system menu, the
// found words marked in the pane, and the pane's lines readable by others.

#include <gtest/gtest.h>

#include "control_state.h"
#include "file_bytes.h"
#include "gestures.h"
#include "newsletter.h"
#include "real_input.h"
#include "screen_pixels.h"
#include "ui/system_menu.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

const std::u16string kMixedForms = u"ｾｰﾙ開催中\r\nせーる\r\nなし\r\n";

void SearchAndWait(VorentaSession& vorenta, size_t selected) {
  Search(vorenta.window());
  ASSERT_TRUE(
      WaitUntil([&] { return SelectedIndexes(vorenta.control(kMailPane)).size() == selected; }));
}

TEST(FuzzySearch, SwitchedInTheSystemMenuItChangesTheNextSearchAndIsKept) {
  VorentaSession vorenta({.keyword_file_bytes = std::string(kSaleCp932) + "\r\n"});
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), kMixedForms));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(vorenta.control(kMailPane)).size() == 4; }));
  Search(vorenta.window());
  PumpFor(std::chrono::milliseconds(500));
  EXPECT_TRUE(SelectedIndexes(vorenta.control(kMailPane)).empty());

  PostMessageW(vorenta.window(), WM_SYSCOMMAND,
               vorenta::SystemMenuId(vorenta::MenuCommand::kFuzzySearch), 0);
  SearchAndWait(vorenta, 2);
  EXPECT_EQ(SelectedIndexes(vorenta.control(kMailPane)), (std::vector<int>{0, 1}));
  const auto options = ReadFileBytes(vorenta.PathOf(L"Vorenta.ini"));
  ASSERT_TRUE(options.has_value());
  EXPECT_NE(options->find("FuzzySearch=1"), std::string::npos);

  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());
  vorenta.Restart();
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), kMixedForms));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(vorenta.control(kMailPane)).size() == 4; }));
  SearchAndWait(vorenta, 2);
}

// The marker behind a found word: amber on a selected line.
TEST(Highlights, TheFoundWordIsMarkedOnScreenUntilTheNextPaste) {
  VorentaSession vorenta({.keyword_file_bytes = std::string(kSaleCp932) + "\r\n"});
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));
  const auto marked_pixels = [&] {
    RECT row{};
    SendMessageW(pane, LB_GETITEMRECT, kSaleLine, reinterpret_cast<LPARAM>(&row));
    const ScreenPixels shot = CaptureClient(pane);
    int count = 0;
    for (int y = std::max(0, static_cast<int>(row.top));
         y < std::min(shot.height, static_cast<int>(row.bottom)); ++y) {
      for (int x = 0; x < shot.width; ++x) count += shot.At(x, y) == Rgb(255, 196, 64) ? 1 : 0;
    }
    return count;
  };
  EXPECT_EQ(marked_pixels(), 0);
  Search(vorenta.window());
  EXPECT_TRUE(WaitUntil([&] { return marked_pixels() > 50; }));
  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  EXPECT_TRUE(WaitUntil([&] { return marked_pixels() == 0; }));
}

TEST(MailPane, AnotherProgramReadsEveryLineItShows) {
  std::u16string mail;
  std::vector<std::u16string> lines;
  for (int i = 0; i < 2000; ++i) {
    lines.push_back(u"行 " + std::u16string(static_cast<size_t>(i % 50), u'あ') + u" " +
                    std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    mail += lines.back() + u"\r\n";
  }
  lines.push_back(u"");
  VorentaSession vorenta;
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), mail));
  EXPECT_TRUE(WaitUntil([&] { return ListItems(vorenta.control(kMailPane)) == lines; },
                        std::chrono::seconds(30)));
}

}  // namespace
}  // namespace vorenta_e2e
