#include "core/sender_pages.h"
#include "form1_fixture.h"

namespace vorenta {
namespace {

class SenderPage : public Form1Test {
 protected:
  void PasteFromRow(int row) {
    Paste(u"From: " + std::u16string(SenderPages()[static_cast<size_t>(row)].key) +
          u"\r\n本文\r\n");
  }
};

TEST_F(SenderPage, ShiftRightClickStartsTheBrowserWithoutTakingFocus) {
  PasteFromRow(11);
  form.Command1_MouseDown(kButtonRight, kShiftMask);
  ASSERT_EQ(memory.process.started().size(), 1u);
  EXPECT_EQ(memory.process.started()[0].command_line,
            BrowserCommandLine(std::u16string(SenderPages()[11].page)));
  EXPECT_EQ(memory.process.started()[0].show_style, 4);
  EXPECT_TRUE(memory.process.opened().empty());
  EXPECT_FALSE(form.IsKeywordPanelOpen());
}

TEST_F(SenderPage, MissingBrowserFallsBackToTheDefaultBrowser) {
  PasteFromRow(0);
  memory.process.SetBrowserMissing(true);
  form.Command1_MouseDown(kButtonRight, kShiftMask);
  EXPECT_EQ(memory.process.opened(),
            std::vector<std::u16string>{std::u16string(SenderPages()[0].page)});
}

TEST_F(SenderPage, OtherButtonsAndModifiersOpenNothing) {
  PasteFromRow(0);
  for (int shift : {kShiftMask | kCtrlMask, kShiftMask | kAltMask, kCtrlMask, kAltMask}) {
    form.Command1_MouseDown(kButtonRight, shift);
  }
  form.Command1_MouseDown(kButtonLeft, kShiftMask);
  form.Command1_MouseDown(kButtonMiddle, kShiftMask);
  EXPECT_TRUE(memory.process.started().empty());
  EXPECT_FALSE(form.IsKeywordPanelOpen());
}

TEST_F(SenderPage, PlainRightClickNeverOpensAPage) {
  PasteFromRow(0);
  form.Command1_MouseDown(kButtonRight, 0);
  EXPECT_TRUE(memory.process.started().empty());
  EXPECT_TRUE(form.IsKeywordPanelOpen());
}

TEST_F(SenderPage, UnknownSenderOrEmptyPaneOpensNothing) {
  form.Command1_MouseDown(kButtonRight, kShiftMask);
  Paste(u"From: someone@example.org>\r\n");
  form.Command1_MouseDown(kButtonRight, kShiftMask);
  EXPECT_TRUE(memory.process.started().empty());
  EXPECT_TRUE(memory.process.opened().empty());
}

}  // namespace
}  // namespace vorenta
