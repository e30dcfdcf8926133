// Mail files and messages dragged from a mail program: what the pane shows,
// and the sender their From: address names.

#include "mail/item_streams.h"
#include "support/sample_mails.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using Lines = std::vector<std::u16string>;

const Lines kNewsletterLines{u"差出人: 青葉ショップ <news@kaede-shop.example.jp>",
                             u"件名: 冬のセールのお知らせ",
                             u"日付: 2026/12/07 09:30",
                             u"",
                             u"冬のセール開催中！",
                             u"",
                             u"詳しくはこちら https://kaede-shop.example.jp/sale"};
const std::u16string kSenderPage = u"https://kaede-shop.example.jp/new/";

std::string Utf16Le(std::u16string_view text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

// An Outlook item of the same newsletter: Unicode strings, the HTML body.
ItemStreams OutlookNewsletter() {
  ItemStreams item;
  item.Put(u"__substg1.0_0037001F", Utf16Le(u"冬のセールのお知らせ"));
  item.Put(u"__substg1.0_0C1A001F", Utf16Le(u"青葉ショップ"));
  item.Put(u"__substg1.0_5D01001F", Utf16Le(u"news@kaede-shop.example.jp"));
  item.Put(u"__substg1.0_10130102",
           "<p>\xE5\x86\xAC\xE3\x81\xAE\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB</p>"  // 冬のセール
           "<a href=\"https://kaede-shop.example.jp/sale\">sale</a>");
  return item;
}

class MailFiles : public WindowLogicTest {
 protected:
  MailFiles() {
    memory.files.Put(u"C:\\Vorenta\\SMsenders.txt",
                     "news@kaede-shop.example.jp>\thttps://kaede-shop.example.jp/new/\r\n");
    logic.LoadSenders();
  }
  std::u16string SenderPageOpened() {
    logic.OnSearchButtonDown(kButtonRight, kShiftMask);
    const auto& started = memory.process.started();
    return started.empty() ? std::u16string() : started.back().command_line;
  }
};

TEST_F(MailFiles, EveryRouteOfAMailFileShowsTheSameMail) {
  memory.files.Put(u"C:\\m\\news.EML", kIso2022JpNewsletterEml);
  memory.outlook_items.Put(u"C:\\m\\news.msg", OutlookNewsletter());
  const auto outlook_lines = [] {
    return Lines{u"差出人: 青葉ショップ <news@kaede-shop.example.jp>",
                 u"件名: 冬のセールのお知らせ",
                 u"",
                 u"冬のセール",
                 u"",
                 u"sale https://kaede-shop.example.jp/sale"};
  };
  const struct {
    const char* route;
    std::function<void()> drop;
    Lines lines;
  } cases[] = {
      {"an .EML file dropped",
       [&] { logic.OnMailPaneDrop(MemoryDropData().WithFiles({u"C:\\m\\news.EML"})); },
       kNewsletterLines},
      {"a .msg file",
       [&] { logic.OnMailPaneDrop(MemoryDropData().WithFiles({u"C:\\m\\news.msg"})); },
       outlook_lines()},
      {"the same file copied in Explorer, pasted with Ctrl+V",
       [&] {
         memory.clipboard.PutFiles({u"C:\\m\\news.EML"});
         logic.OnMailPaneKey(kKeyV, kCtrlMask);
       },
       kNewsletterLines},
      {"a message dragged from Thunderbird",
       [&] {
         logic.OnMailPaneDrop(MemoryDropData().WithMessage(
             {u"冬のセール.eml", kIso2022JpNewsletterEml, std::nullopt}));
       },
       kNewsletterLines},
      {"a message dragged from Outlook",
       [&] {
         logic.OnMailPaneDrop(
             MemoryDropData().WithMessage({u"冬のセール.msg", {}, OutlookNewsletter()}));
       },
       outlook_lines()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.route);
    Paste(u"前のメール");
    c.drop();
    EXPECT_EQ(MailLines(), c.lines);
    EXPECT_EQ(SenderPageOpened(), BrowserCommandLine(kSenderPage));
  }
  EXPECT_TRUE(memory.dialogs.shown().empty());

  // A pasted mail names its sender by its first line again.
  Paste(u"差出人: news@kaede-shop.example.jp>");
  EXPECT_EQ(SenderPageOpened(), BrowserCommandLine(kSenderPage));
  Paste(u"差出人: 青葉ショップ <news@kaede-shop.example.jp>");
  const size_t opened = memory.process.started().size();
  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  EXPECT_EQ(memory.process.started().size(), opened);
}

TEST_F(MailFiles, WhatCannotBeShownIsToldAndKeepsThePane) {
  ItemStreams rtf_only = OutlookNewsletter();
  rtf_only.Put(u"__substg1.0_10130102", "");
  rtf_only.Put(u"__substg1.0_10090102", "not compressed rtf");
  memory.outlook_items.Put(u"C:\\m\\rtf.msg", rtf_only);
  Paste(u"kept");
  logic.OnMailPaneDrop(MemoryDropData().WithFiles({u"C:\\m\\junk.msg"}));
  EXPECT_EQ(MailLines(), Lines{u"kept"});
  // A storage that Outlook did not hand over.
  logic.OnMailPaneDrop(MemoryDropData().WithMessage({u"b.msg", {}, std::nullopt}));
  EXPECT_EQ(MailLines(), Lines{u"kept"});
  EXPECT_EQ(memory.dialogs.shown().size(), 2u);

  // An item whose body could not be read shows its header and says so.
  logic.OnMailPaneDrop(MemoryDropData().WithFiles({u"C:\\m\\rtf.msg"}));
  EXPECT_EQ(MailLines().front(), u"差出人: 青葉ショップ <news@kaede-shop.example.jp>");
  EXPECT_NE(memory.dialogs.shown().back().message.heading.find(u"本文"), std::u16string::npos);
}

}  // namespace
}  // namespace vorenta
