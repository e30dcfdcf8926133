// The user's keywords survive a killed program, an unwritable folder and a
// second copy started from the same folder.

#include <gtest/gtest.h>

#include "control_state.h"
#include "file_bytes.h"
#include "kill_loop.h"
#include "message_dialogs.h"
#include "newsletter.h"
#include "real_input.h"
#include "text_convert.h"
#include "unix_folder.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

void OpenPanelAndAdd(VorentaSession& vorenta, const std::u16string& keyword) {
  ASSERT_TRUE(vorenta.BringToFront());
  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE; }));
  const size_t before = ListItems(vorenta.control(kKeywordList)).size();
  EnterKeyword(vorenta.window(), keyword);
  ASSERT_TRUE(
      WaitUntil([&] { return ListItems(vorenta.control(kKeywordList)).size() == before + 1; }));
}

TEST(KeywordSafety, AKeywordAddedRightBeforeTheProgramIsKilledIsKept) {
  VorentaSession vorenta({.keyword_file_bytes = std::string(kSaleCp932) + "\r\n"});
  OpenPanelAndAdd(vorenta, u"新着");
  vorenta.Kill();
  EXPECT_EQ(ReadFileBytes(vorenta.PathOf(kKeywordFile)),
            std::string(kSaleCp932) + "\r\n" + kNewArrivalsCp932 + "\r\n");
  vorenta.Restart();
  EXPECT_EQ(ListItems(vorenta.control(kKeywordList)),
            (std::vector<std::u16string>{u"セール", u"新着"}));
}

TEST(KeywordSafety, AnUnwritableFolderIsToldAndTheCloseLetsTheUserChoose) {
  VorentaSession vorenta;
  ImmutableFolder locked(vorenta.folder());
  if (!locked.ok()) GTEST_SKIP() << "chattr +i needs root on a file system that has it";
  OpenPanelAndAdd(vorenta, u"新着");

  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; }));
  const std::u16string told = DialogText(dialog);
  EXPECT_NE(told.find(U16(vorenta.PathOf(kKeywordFile))), std::u16string::npos) << Utf8(told);
  EXPECT_NE(told.find(u"ドキュメント"), std::u16string::npos) << Utf8(told);
  ASSERT_TRUE(PressDialogButton(dialog, u"OK"));
  ASSERT_TRUE(WaitUntil([&] { return FindDialogOf(vorenta.process_id()) == nullptr; }));

  // A second edit in the same state is not told again.
  EnterKeyword(vorenta.window(), u"セール");
  ASSERT_TRUE(WaitUntil([&] { return ListItems(vorenta.control(kKeywordList)).size() == 2; }));
  PumpFor(std::chrono::milliseconds(500));
  EXPECT_EQ(FindDialogOf(vorenta.process_id()), nullptr);

  // At close: stay, then close without saving.
  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; }));
  EXPECT_NE(DialogText(dialog).find(u"失われます"), std::u16string::npos);
  ASSERT_TRUE(PressDialogButton(dialog, u"閉じない"));
  ASSERT_TRUE(WaitUntil([&] { return FindDialogOf(vorenta.process_id()) == nullptr; }));
  EXPECT_TRUE(vorenta.IsRunning());

  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; }));
  ASSERT_TRUE(PressDialogButton(dialog, u"保存せずに閉じる"));
  EXPECT_TRUE(vorenta.WaitForExit());
  EXPECT_FALSE(FileExists(vorenta.PathOf(kKeywordFile)));
}

TEST(KeywordSafety, ASecondStartFromTheSameFolderShowsTheFirstWindowAndEnds) {
  VorentaSession vorenta;
  ShowWindow(vorenta.window(), SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(vorenta.window()) != FALSE; }));

  PROCESS_INFORMATION second = vorenta.StartAnotherCopy();
  const bool ended = WaitForSingleObject(second.hProcess, 20000) == WAIT_OBJECT_0;
  DWORD exit_code = 1;
  GetExitCodeProcess(second.hProcess, &exit_code);
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  ASSERT_TRUE(ended);
  EXPECT_EQ(exit_code, 0u);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(vorenta.window()); }));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == vorenta.window(); }));
  EXPECT_FALSE(FileExists(vorenta.PathOf(kKeywordFile)));
  EXPECT_FALSE(FileExists(vorenta.PathOf(kGeometryFile)));
  EXPECT_TRUE(vorenta.IsRunning());

  // A copy in another folder is a program of its own.
  VorentaSession elsewhere;
  EXPECT_TRUE(elsewhere.IsRunning());
  EXPECT_NE(elsewhere.window(), vorenta.window());
}

}  // namespace
}  // namespace vorenta_e2e

namespace vorenta_e2e {
namespace {

TEST(KeywordSafety, KillsAtRandomMomentsDuringQuickAddsLoseNothing) {
  VorentaSession vorenta;
  std::mt19937 random(20261207);
  const KillLoopResult result = RunKillLoop(vorenta, /*kills=*/8, /*longest_wait_ms=*/400, random);
  EXPECT_EQ(result.files_complete, result.kills);
  EXPECT_EQ(result.keywords_lost, 0);
  EXPECT_EQ(result.leftovers_after_start, 0);
  EXPECT_GT(result.keywords_added, 0);
}

TEST(KeywordSafety, TheSameFolderSpeltThroughAnotherDriveIsStillOneWindow) {
  VorentaSession vorenta;
  const std::wstring other_spelling = ThroughDriveZ(vorenta.PathOf(L"Vorenta.exe"));
  if (other_spelling.empty()) GTEST_SKIP() << "needs Wine's drive Z:";
  PROCESS_INFORMATION second = vorenta.StartAnotherCopy(other_spelling);
  const bool ended = WaitForSingleObject(second.hProcess, 20000) == WAIT_OBJECT_0;
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  EXPECT_TRUE(ended) << "a second window for the same folder";
  EXPECT_TRUE(vorenta.IsRunning());
}

TEST(KeywordSafety, AKeywordFileAnotherProgramHoldsIsToldAtStartAndReadOnRetry) {
  HANDLE held = INVALID_HANDLE_VALUE;
  VorentaSession vorenta({.keyword_file_bytes = std::string(kSaleCp932) + "\r\n",
                          .before_start =
                              [&](const std::wstring& folder) {
                                held = CreateFileW((folder + L"\\SMdata1.dat").c_str(),
                                                   GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr);
                              },
                          .wait_for_window = false});
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; }));
  EXPECT_NE(DialogText(dialog).find(u"ほかのプログラム"), std::u16string::npos)
      << Utf8(DialogText(dialog));
  CloseHandle(held);
  ASSERT_TRUE(PressDialogButton(dialog, u"再試行"));
  vorenta.WaitForWindow();
  EXPECT_EQ(ListItems(vorenta.control(kKeywordList)), std::vector<std::u16string>{u"セール"});
}

TEST(KeywordSafety, AKeywordThatBeginsWithAQuoteSurvivesARestart) {
  VorentaSession vorenta;
  OpenPanelAndAdd(vorenta, u"\"限定");
  EnterKeyword(vorenta.window(), u" 送料, 無料 ");
  ASSERT_TRUE(WaitUntil([&] { return ListItems(vorenta.control(kKeywordList)).size() == 2; }));
  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());
  vorenta.Restart();
  EXPECT_EQ(ListItems(vorenta.control(kKeywordList)),
            (std::vector<std::u16string>{u"\"限定", u" 送料, 無料 "}));
}

}  // namespace
}  // namespace vorenta_e2e
