#include "core/sender_pages.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

class SenderPage : public WindowLogicTest {
 protected:
  void PasteFromRow(int row) {
    Paste(u"From: " + std::u16string(SenderPages()[static_cast<size_t>(row)].key) +
          u"\r\n本文\r\n");
  }
};

TEST_F(SenderPage, ShiftRightClickStartsTheBrowserWithoutTakingFocus) {
  PasteFromRow(11);
  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  ASSERT_EQ(memory.process.started().size(), 1u);
  EXPECT_EQ(memory.process.started()[0].command_line,
            BrowserCommandLine(std::u16string(SenderPages()[11].page)));
  EXPECT_EQ(memory.process.started()[0].show_style, 4);
  EXPECT_TRUE(memory.process.opened().empty());
  EXPECT_FALSE(logic.IsKeywordPanelOpen());
}

TEST_F(SenderPage, MissingBrowserFallsBackToTheDefaultBrowser) {
  PasteFromRow(0);
  memory.process.SetBrowserMissing(true);
  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  EXPECT_EQ(memory.process.opened(),
            std::vector<std::u16string>{std::u16string(SenderPages()[0].page)});
}

TEST_F(SenderPage, TheDefaultBrowserOptionOpensThePageThereInstead) {
  PasteFromRow(0);
  logic.RunMenuCommand(MenuCommand::kDefaultBrowser);
  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  EXPECT_EQ(memory.process.opened(),
            std::vector<std::u16string>{std::u16string(SenderPages()[0].page)});
  EXPECT_TRUE(memory.process.started().empty());
}

TEST_F(SenderPage, OtherButtonsAndModifiersOpenNothing) {
  PasteFromRow(0);
  for (int shift : {kShiftMask | kCtrlMask, kShiftMask | kAltMask, kCtrlMask, kAltMask}) {
    logic.OnSearchButtonDown(kButtonRight, shift);
  }
  logic.OnSearchButtonDown(kButtonLeft, kShiftMask);
  logic.OnSearchButtonDown(kButtonMiddle, kShiftMask);
  EXPECT_TRUE(memory.process.started().empty());
  EXPECT_FALSE(logic.IsKeywordPanelOpen());
}

TEST_F(SenderPage, PlainRightClickNeverOpensAPage) {
  PasteFromRow(0);
  logic.OnSearchButtonDown(kButtonRight, 0);
  EXPECT_TRUE(memory.process.started().empty());
  EXPECT_TRUE(logic.IsKeywordPanelOpen());
}

TEST_F(SenderPage, UnknownSenderOrEmptyPaneOpensNothing) {
  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  Paste(u"From: someone@example.org>\r\n");
  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  EXPECT_TRUE(memory.process.started().empty());
  EXPECT_TRUE(memory.process.opened().empty());
}

}  // namespace
}  // namespace vorenta
