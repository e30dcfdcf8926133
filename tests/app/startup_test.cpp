#include "app/logic/startup.h"

#include <gtest/gtest.h>

#include "ui/memory/memory_platform.h"

namespace vorenta {
namespace {

const std::u16string kKeywordFile = u"C:\\Vorenta\\SMdata1.dat";
const std::u16string kGeometryFile = u"C:\\Vorenta\\SMdata2.dat";

class Startup : public testing::Test {
 protected:
  Startup() { memory.system.SetModulePath("C:\\Vorenta\\Vorenta.exe"); }

  void Load() { RunStartUp(logic, settings, *codec); }
  bool Close(CloseReason reason = CloseReason::kUser) {
    return RunShutDown(logic, settings, reason);
  }

  MemoryPlatform memory;
  std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  SettingsStore settings{memory.files, *codec};
  WindowLogic logic{memory.platform, settings};
};

TEST_F(Startup, KeepOnTopCallsSetWindowPosOnlyForModesZeroAndOne) {
  EXPECT_EQ(KeepOnTop(memory.system, memory.window, 2), 0);
  EXPECT_TRUE(memory.system.window_pos_calls().empty());
  EXPECT_EQ(KeepOnTop(memory.system, memory.window, 1), 1);
  EXPECT_TRUE(memory.system.topmost());
  EXPECT_EQ(KeepOnTop(memory.system, memory.window, 0), 1);
  EXPECT_FALSE(memory.system.topmost());
  const auto& call = memory.system.window_pos_calls().back();
  EXPECT_EQ(call.window, memory.window.Handle());
  EXPECT_EQ(call.insert_after, -2);
  EXPECT_EQ(call.flags, 67u);
  EXPECT_EQ(call.x + call.y + call.cx + call.cy, 0);
}

struct HostCase {
  const char* path;
  bool compiled;
};

class IsCompiledTest : public Startup, public testing::WithParamInterface<HostCase> {};

TEST_P(IsCompiledTest, FalseOnlyUnderTheDevelopmentHost) {
  memory.system.SetModulePath(GetParam().path);
  EXPECT_EQ(IsCompiled(memory.system, memory.window, *codec), GetParam().compiled)
      << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, IsCompiledTest,
    testing::Values(HostCase{"C:\\Tools\\Vorenta.exe", true},
                    HostCase{"C:\\Program Files\\VB98\\VB6.EXE", false},
                    HostCase{"c:\\program files\\vb98\\vb6.exe", false},
                    HostCase{"D:\\dev\\Vb32.exe", false}, HostCase{"D:\\dev\\XVB6.EXE", true},
                    HostCase{"VB32.EXE", false}, HostCase{"B6.EXE", true}, HostCase{"", true},
                    // Double-byte characters make the byte count overshoot the path.
                    HostCase{"C:\\\x83\x5A\x81\x5B\x83\x8B\\VB6.EXE", true}));

TEST_F(Startup, LoadGivesNoToolTipToTheBuiltProgramButOneUnderTheHost) {
  Load();
  EXPECT_EQ(memory.search_button.ToolTip(), u"");
  MemoryPlatform host;
  host.system.SetModulePath("C:\\VB98\\VB6.EXE");
  SettingsStore host_settings{host.files, *codec};
  WindowLogic host_form{host.platform, host_settings};
  RunStartUp(host_form, host_settings, *codec);
  EXPECT_EQ(host.search_button.ToolTip(), u"shift + R ; Kestrow");
}

TEST_F(Startup, LoadReadsKeywordsFillsTheUrlTableAndGoesOnTop) {
  memory.files.Put(kKeywordFile, "\x83\x5A\x81\x5B\x83\x8B\r\nsale\r\n");
  Load();
  EXPECT_EQ(logic.Keywords(), (std::vector<std::u16string>{u"セール", u"sale"}));
  EXPECT_EQ(logic.UrlChars().size(), 48u);
  EXPECT_TRUE(memory.system.topmost());
  EXPECT_FALSE(logic.KeywordsEdited());
}

TEST_F(Startup, AWindowTooLargeForItsMonitorIsFittedUnlessItsSavedPlaceIsUsed) {
  // 1024 x 480 pixels at 96 DPI: lower than the design window.
  memory.window.SetMonitors({{1, {0, 0, 15360, 7200}}});
  Load();
  EXPECT_EQ(memory.window.placed(), (std::vector<TwipsRect>{{0, 0, 8685, 7200}}));

  // Half below the bottom edge, its grip on the screen: taken as saved.
  memory.files.Put(u"C:\\Vorenta\\Vorenta.ini", "RememberPlacement=1\r\n");
  memory.files.Put(kGeometryFile, " 8685 \r\n 8445 \r\n 300 \r\n 2500 \r\n");
  Load();
  EXPECT_EQ(memory.window.placed().back(), (TwipsRect{300, 2500, 8685, 8445}));
}

TEST_F(Startup, CloseWritesBothFiles) {
  Load();
  memory.keyword_box.SetText(u"セール");
  logic.OnKeywordBoxKey(kKeyEnter, 0);
  memory.window.MoveTo(-120, 300);
  Close();
  EXPECT_EQ(memory.files.Content(kKeywordFile), "\x83\x5A\x81\x5B\x83\x8B\r\n");
  EXPECT_EQ(memory.files.Content(kGeometryFile), " 8685 \r\n 8445 \r\n-120 \r\n 300 \r\n");
}

TEST_F(Startup, CloseWithAnEmptyListLeavesAnEmptyKeywordFile) {
  memory.files.Put(kKeywordFile, "old\r\n");
  Load();
  memory.keyword_list.SetCurrentIndex(0);
  logic.OnKeywordDoubleClick();
  Close();
  EXPECT_EQ(memory.files.Content(kKeywordFile), "");
}

TEST_F(Startup, UnreadableKeywordFileSurvivesACloseWithoutEdits) {
  memory.files.Put(kKeywordFile, "kept\r\n");
  memory.files.SetUnreadable(kKeywordFile, true);
  Load();
  EXPECT_EQ(memory.keyword_list.Count(), 0);
  memory.files.SetUnreadable(kKeywordFile, false);
  Close();
  EXPECT_EQ(memory.files.Content(kKeywordFile), "kept\r\n");
  EXPECT_TRUE(memory.files.Content(kGeometryFile).has_value());
}

TEST_F(Startup, AKeywordFileAnotherProgramHoldsIsToldAndReadAgainOnRetry) {
  enum { kRetry, kContinue };
  memory.files.Put(kKeywordFile, "kept\r\n");
  memory.files.SetUnreadable(kKeywordFile, true, kErrorSharingViolation);
  memory.dialogs.AnswerNext(kRetry);  // the other program is still there
  memory.dialogs.AnswerNext(kRetry);  // now it has been closed
  int asked = 0;
  memory.dialogs.OnQuestion([&] {
    if (++asked == 2) memory.files.SetUnreadable(kKeywordFile, false);
  });
  Load();
  ASSERT_EQ(memory.dialogs.shown().size(), 2u);
  const auto& question = memory.dialogs.shown()[0];
  EXPECT_EQ(question.choices, (std::vector<std::u16string>{u"再試行", u"このまま続ける"}));
  EXPECT_NE(question.message.details.find(kKeywordFile), std::u16string::npos);
  EXPECT_NE(question.message.details.find(u"ほかのプログラム"), std::u16string::npos);
  EXPECT_EQ(memory.keyword_list.ItemText(0), u"kept");
}

TEST_F(Startup, GoingOnWithoutTheUnreadableFileStartsEmptyAndKeepsTheFile) {
  memory.files.Put(kKeywordFile, "kept\r\n");
  memory.files.SetUnreadable(kKeywordFile, true);
  memory.dialogs.AnswerNext(1);
  Load();
  EXPECT_EQ(memory.dialogs.shown().size(), 1u);
  EXPECT_EQ(memory.keyword_list.Count(), 0);
  EXPECT_EQ(memory.files.Content(kKeywordFile), "kept\r\n");
}

TEST_F(Startup, AListRecoveredFromACutShortSaveIsToldInOneMessage) {
  memory.files.Put(u"C:\\Vorenta\\SMdata1.dat.9-1.tmp", "new\r\n");
  Load();
  EXPECT_EQ(memory.keyword_list.ItemText(0), u"new");
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  EXPECT_TRUE(memory.dialogs.shown()[0].choices.empty());
  EXPECT_NE(memory.dialogs.shown()[0].message.details.find(u"SMdata1.dat.9-1.tmp"),
            std::u16string::npos);
  EXPECT_EQ(memory.files.Content(kKeywordFile), "new\r\n");
}

TEST_F(Startup, TheSavedPlaceIsUsedOnlyWhenTheOptionIsOnAndTheFileIsSound) {
  const std::u16string options_file = u"C:\\Vorenta\\Vorenta.ini";
  memory.files.Put(kGeometryFile, " 9000 \r\n 8000 \r\n 1500 \r\n 900 \r\n");
  Load();
  EXPECT_TRUE(memory.window.placed().empty()) << "the option is off by default";

  memory.files.Put(options_file, "[Vorenta]\r\nRememberPlacement=1\r\n");
  Load();
  ASSERT_EQ(memory.window.placed().size(), 1u);
  EXPECT_EQ(memory.window.placed()[0], (TwipsRect{1500, 900, 9000, 8000}));
  EXPECT_EQ(memory.window.ClientWidth(), 9000 - MemoryWindow::kFrameWidth);

  memory.files.Put(kGeometryFile, " 9000 \r\n 8000 \r\n 1500 \r\n");
  Load();
  EXPECT_EQ(memory.window.placed().size(), 1u) << "a short file is not used";
}

// Closed while minimised: with the place remembered the file gets the
// rectangle the window is restored to; without, what the window shows, as
// ever.
class MinimisedClose : public Startup, public testing::WithParamInterface<bool> {};

TEST_P(MinimisedClose, SavesTheRestoredRectangleOnlyWhenThePlaceIsRemembered) {
  const bool remember = GetParam();
  memory.files.Put(u"C:\\Vorenta\\Vorenta.ini",
                   remember ? "RememberPlacement=1\r\n" : "RememberPlacement=0\r\n");
  Load();
  memory.window.MoveTo(1500, 900);
  memory.window.ShowNotNormal({-48000, -48000, 2400, 540});
  Close();
  EXPECT_EQ(memory.files.Content(kGeometryFile), remember
                                                     ? " 8685 \r\n 8445 \r\n 1500 \r\n 900 \r\n"
                                                     : " 2400 \r\n 540 \r\n-48000 \r\n-48000 \r\n");
}
INSTANTIATE_TEST_SUITE_P(Option, MinimisedClose, testing::Bool());

}  // namespace
}  // namespace vorenta
