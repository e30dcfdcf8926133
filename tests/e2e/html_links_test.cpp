// HTML newsletters keep their link addresses: Ctrl+V with the clipboard's
// HTML and the option that gives Enter the same; a dropped file that cannot
// be read is told.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "control_state.h"
#include "file_bytes.h"
#include "gestures.h"
#include "message_dialogs.h"
#include "newsletter.h"
#include "ole_drag.h"
#include "pasted_newsletter.h"
#include "real_input.h"
#include "support/html_format.h"
#include "text_convert.h"
#include "ui/system_menu.h"

namespace vorenta_e2e {
namespace {

using Lines = std::vector<std::u16string>;

// 冬のセール, then 詳しくはこちら behind a link.
const std::string kFragment =
    "<p>\xE5\x86\xAC\xE3\x81\xAE\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB</p>"
    "<div><a href=\"https://shop-aoba.example.jp/sale?c=12&amp;s=mail\">"
    "\xE8\xA9\xB3\xE3\x81\x97\xE3\x81\x8F\xE3\x81\xAF\xE3\x81\x93\xE3\x81\xA1\xE3\x82\x89</a></"
    "div>";
const std::u16string kPlainText = u"冬のセール\r\n\r\n詳しくはこちら";
const std::u16string kAddress = u"https://shop-aoba.example.jp/sale?c=12&s=mail";
const Lines kLinkedLines{u"冬のセール", u"", u"詳しくはこちら " + kAddress};
const Lines kPlainLines{u"冬のセール", u"", u"詳しくはこちら"};

using HtmlLinks = PastedNewsletterTest;

TEST_F(HtmlLinks, CtrlVShowsTheAddressBehindTheTextAndEnterStillPastesTheText) {
  ASSERT_TRUE(SetClipboardTextAndHtml(kPlainText, vorenta::HtmlFormatOf(kFragment)));
  PressKey('V', kCtrl);
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane()) == kLinkedLines; }))
      << Utf8(ListItems(pane()).back());

  ASSERT_TRUE(SetClipboardTextAndHtml(kPlainText, vorenta::HtmlFormatOf(kFragment)));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()) == kPlainLines; }));

  // The option in the window menu gives Enter the addresses too.
  PostMessageW(vorenta.window(), WM_SYSCOMMAND,
               vorenta::SystemMenuId(vorenta::MenuCommand::kHtmlLinks), 0);
  ASSERT_TRUE(WaitUntil([&] {
    const auto options = ReadFileBytes(vorenta.PathOf(L"Vorenta.ini"));
    return options && options->find("HtmlLinks=1") != std::string::npos;
  }));
  ASSERT_TRUE(SetClipboardTextAndHtml(kPlainText, vorenta::HtmlFormatOf(kFragment)));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()) == kLinkedLines; }));
}

using DroppedMailFiles = PastedNewsletterTest;

TEST_F(DroppedMailFiles, AFileThatCannotBeReadIsToldAndThePaneIsKept) {
  const std::wstring page = vorenta.PathOf(L"locked.htm");
  ASSERT_TRUE(WriteFileBytes(page, "<p>x</p>"));
  const HANDLE held = CreateFileW(page.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(DropOnPane({DroppedFiles({page})}).finished);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialogOf(vorenta.process_id())) != nullptr; }));
  EXPECT_NE(DialogText(dialog).find(u"locked.htm"), std::u16string::npos)
      << Utf8(DialogText(dialog));
  CloseHandle(held);
  ASSERT_TRUE(PressDialogButton(dialog, u"OK"));
  EXPECT_EQ(ListItems(pane()), kNewsletterLines);
}

}  // namespace
}  // namespace vorenta_e2e
