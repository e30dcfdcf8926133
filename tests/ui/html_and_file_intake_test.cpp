// Ctrl+V with an HTML mail's link addresses, the option that gives Enter and
// drops the same, and files dropped from Explorer.

#include <string>

#include "mail/mail_file.h"
#include "support/html_format.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using Lines = std::vector<std::u16string>;

const std::string kNewsletter =
    "<p>\xE7\xA7\x8B\xE3\x81\xAE\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB</p>"  // 秋のセール
    "<p><a href=\"https://shop.example.jp/sale?id=7\">\xE8\xA9\xB3\xE3\x81\x97\xE3\x81\x8F"
    "</a></p>";  // 詳しく
const Lines kNewsletterLines{u"秋のセール", u"", u"詳しく https://shop.example.jp/sale?id=7"};

class HtmlAndFileIntake : public WindowLogicTest {
 protected:
  void CopyNewsletter() {
    memory.clipboard.Put(u"秋のセール\r\n\r\n詳しく");
    memory.clipboard.PutHtml(HtmlFormatOf(kNewsletter));
  }
  void SwitchHtmlLinks() { logic.RunMenuCommand(MenuCommand::kHtmlLinks); }
  void Drop(const std::vector<std::u16string>& files) {
    logic.OnMailPaneDrop(MemoryDropData().WithFiles(files));
  }
  const UserMessage& Told() const { return memory.dialogs.shown().back().message; }
};

TEST_F(HtmlAndFileIntake, CtrlVPastesTheLinkAddressesAndEnterStillTheText) {
  CopyNewsletter();
  logic.OnMailPaneKey(kKeyV, kCtrlMask);
  EXPECT_EQ(MailLines(), kNewsletterLines);
  ClickLine(2);
  EXPECT_EQ(memory.address_box.Text(), u"https://shop.example.jp/sale?id=7");

  CopyNewsletter();
  logic.OnMailPaneKey(kKeyEnter, 0);
  EXPECT_EQ(MailLines(), (Lines{u"秋のセール", u"", u"詳しく"}));

  // Without HTML on the clipboard Ctrl+V is Enter; a busy clipboard keeps the pane.
  memory.clipboard.Clear();
  memory.clipboard.Put(u"plain");
  logic.OnMailPaneKey(kKeyV, kCtrlMask);
  EXPECT_EQ(MailLines(), Lines{u"plain"});
  memory.clipboard.SetHeldByOther(true);
  logic.OnMailPaneKey(kKeyV, kCtrlMask);
  EXPECT_EQ(MailLines(), Lines{u"plain"});
}

TEST_F(HtmlAndFileIntake, TheOptionGivesEnterAndTextDropsTheLinksAndIsKept) {
  SwitchHtmlLinks();
  EXPECT_TRUE(logic.options().html_links);
  EXPECT_NE(memory.files.Content(u"C:\\Vorenta\\Vorenta.ini")->find("HtmlLinks=1"),
            std::string::npos);
  CopyNewsletter();
  logic.OnMailPaneKey(kKeyEnter, 0);
  EXPECT_EQ(MailLines(), kNewsletterLines);

  logic.OnMailPaneDrop(MemoryDropData(u"text only").WithHtml(HtmlFormatOf(kNewsletter)));
  EXPECT_EQ(MailLines(), kNewsletterLines);
  SwitchHtmlLinks();
  logic.OnMailPaneDrop(MemoryDropData(u"text only").WithHtml(HtmlFormatOf(kNewsletter)));
  EXPECT_EQ(MailLines(), Lines{u"text only"});
}

TEST_F(HtmlAndFileIntake, TheFirstDroppedFileOfAKindThePaneReadsIsShown) {
  memory.files.Put(u"C:\\m\\a.HTML", "<meta charset=shift_jis><p>\x83\x5A\x81\x5B\x83\x8B</p>");
  memory.files.Put(u"C:\\m\\b.txt",
                   "\x91\x97\x97\xBF\x96\xB3\x97\xBF\r\nline 2\nline 3");  // 送料無料
  Drop({u"C:\\m\\photo.jpg", u"C:\\m\\a.HTML", u"C:\\m\\b.txt"});
  EXPECT_EQ(MailLines(), Lines{u"セール"});
  Drop({u"C:\\m\\b.txt"});
  EXPECT_EQ(MailLines(), (Lines{u"送料無料", u"line 2", u"line 3"}));
  EXPECT_TRUE(memory.dialogs.shown().empty());
}

TEST_F(HtmlAndFileIntake, AFileThatIsNotShownIsToldAndKeepsThePane) {
  Paste(u"kept");
  memory.files.Put(u"C:\\m\\locked.txt", "x");
  memory.files.SetUnreadable(u"C:\\m\\locked.txt", true, kErrorSharingViolation);
  memory.files.Put(u"C:\\m\\huge.txt", std::string(kMaxMailFileBytes + 1, 'a'));
  const struct {
    std::u16string file;
    const char16_t* told;
  } cases[] = {
      {u"C:\\m\\photo.jpg", u".htm .html"},
      {u"C:\\m\\missing.txt", u"読み込めません"},
      {u"C:\\m\\locked.txt", u"ほかのプログラム"},
      {u"C:\\m\\huge.txt", u"64 MB"},
  };
  for (const auto& c : cases) {
    Drop({c.file});
    EXPECT_EQ(MailLines(), Lines{u"kept"});
    EXPECT_NE((Told().heading + Told().details).find(c.told), std::u16string::npos);
    EXPECT_NE(Told().details.find(c.file), std::u16string::npos);
  }
}

TEST_F(HtmlAndFileIntake, ADragIsTakenOnlyWhenItHoldsSomethingThePaneShows) {
  EXPECT_TRUE(logic.AcceptsMailPaneDrop(MemoryDropData(u"text")));
  EXPECT_FALSE(logic.AcceptsMailPaneDrop(MemoryDropData()));
  EXPECT_TRUE(logic.AcceptsMailPaneDrop(MemoryDropData().WithFiles({u"a.jpg", u"b.Htm"})));
  EXPECT_FALSE(logic.AcceptsMailPaneDrop(MemoryDropData().WithFiles({u"a.jpg", u"b.docx"})));
}

}  // namespace
}  // namespace vorenta
