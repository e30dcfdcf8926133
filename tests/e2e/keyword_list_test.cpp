// The keyword list: loaded from the keyword file, edited in the panel, saved
// at close.

#include <gtest/gtest.h>

#include "control_state.h"
#include "file_bytes.h"
#include "newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
  std::string bytes;
  for (const char* line : lines) bytes += std::string(line) + "\r\n";
  return bytes;
}

TEST(KeywordList, LoadedAtStartEditedInThePanelAndSavedAtClose) {
  VorentaSession vorenta(
      {.keyword_file_bytes = Lines({kSaleCp932, kFreePostageCp932, kPointsCp932})});
  const HWND window = vorenta.window();
  const HWND keywords = vorenta.control(kKeywordList);
  EXPECT_EQ(ListItems(keywords),
            (std::vector<std::u16string>{u"セール", u"送料無料", u"ポイント"}));
  EXPECT_FALSE(IsWindowVisible(keywords)) << "the panel starts closed";
  ASSERT_TRUE(vorenta.BringToFront());

  ToggleKeywordPanel(window);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(keywords) != FALSE; }));

  // Double-clicking the second keyword removes it; the third moves up.
  DoubleClick(ListItemPoint(keywords, 1));
  const std::vector<std::u16string> after_removal = {u"セール", u"ポイント"};
  ASSERT_TRUE(WaitUntil([&] { return ListItems(keywords) == after_removal; }));

  // The entry box keeps its text, so Enter again adds the keyword again.
  EnterKeyword(window, u"新着");
  PressKey(VK_RETURN);
  const std::vector<std::u16string> after_adding = {u"セール", u"ポイント", u"新着", u"新着"};
  ASSERT_TRUE(WaitUntil([&] { return ListItems(keywords) == after_adding; }));
  EXPECT_EQ(ControlText(vorenta.control(kKeywordBox)), u"新着");

  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());
  EXPECT_EQ(ReadFileBytes(vorenta.PathOf(kKeywordFile)),
            Lines({kSaleCp932, kPointsCp932, kNewArrivalsCp932, kNewArrivalsCp932}));
}

TEST(KeywordList, AnEmptyKeywordSelectsEveryLineThatIsNotEmpty) {
  VorentaSession vorenta;
  const HWND window = vorenta.window();
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(window, kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));
  ToggleKeywordPanel(window);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE; }));

  EnterKeyword(window, u"");
  ASSERT_TRUE(WaitUntil([&] {
    return ListItems(vorenta.control(kKeywordList)) == std::vector<std::u16string>{u""};
  }));
  Search(window);
  std::vector<int> non_empty;
  for (int i = 0; i < static_cast<int>(kNewsletterLines.size()); ++i) {
    if (!kNewsletterLines[i].empty()) non_empty.push_back(i);
  }
  EXPECT_TRUE(WaitUntil([&] { return SelectedIndexes(pane) == non_empty; }));
}

TEST(KeywordList, EmptyListLeavesAnEmptyFileAndAMissingFileAnEmptyList) {
  VorentaSession vorenta;
  EXPECT_TRUE(ListItems(vorenta.control(kKeywordList)).empty());
  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());
  EXPECT_EQ(ReadFileBytes(vorenta.PathOf(kKeywordFile)), std::string());
}

}  // namespace
}  // namespace vorenta_e2e
