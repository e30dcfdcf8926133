#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using UrlClick = WindowLogicTest;

TEST_F(UrlClick, CopiesTheAddressToTheBoxAndTheClipboard) {
  Paste(u"ご案内\r詳しくは http://www.example.jp/item?id=1&c=2 をどうぞ");
  ClickLine(1);
  EXPECT_EQ(memory.address_box.Text(), u"http://www.example.jp/item?id=1&c=2");
  EXPECT_EQ(memory.clipboard.Content(), u"http://www.example.jp/item?id=1&c=2");
}

TEST_F(UrlClick, LineWithoutHttpChangesNothing) {
  Paste(u"http://a.example.jp/\r送料無料");
  ClickLine(0);
  memory.clipboard.Put(u"something else");
  ClickLine(1);
  EXPECT_EQ(memory.address_box.Text(), u"http://a.example.jp/");
  EXPECT_EQ(memory.clipboard.Content(), u"something else");
}

TEST_F(UrlClick, NoCurrentLineChangesNothing) {
  Paste(u"http://a.example.jp/");
  memory.address_box.SetText(u"typed");
  logic.OnMailLineClick();
  EXPECT_EQ(memory.address_box.Text(), u"typed");
}

TEST_F(UrlClick, ClipboardHeldByAnotherProgramStillFillsTheBox) {
  Paste(u"http://a.example.jp/x");
  memory.clipboard.SetHeldByOther(true);
  ClickLine(0);
  EXPECT_EQ(memory.address_box.Text(), u"http://a.example.jp/x");
}

TEST_F(UrlClick, LnOneMeasuresWithTheFilledTable) {
  EXPECT_EQ(logic.UrlChars().size(), 48u);
  EXPECT_EQ(logic.AddressRunLength(u"http://E.JP/ x", 1), 12);
}

}  // namespace
}  // namespace vorenta
