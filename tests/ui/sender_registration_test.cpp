// The system menu's "register this sender": when it is offered, what it
// asks, what it writes to the sender file, and what the user is told.

#include <string>

#include "core/sender_pages.h"
#include "ui/texts.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

const std::u16string kSenderPath = u"C:\\Vorenta\\SMsenders.txt";
const std::u16string kNewSender = u"From: news@new-shop.example>";
const std::u16string kPage = u"https://new-shop.example/arrivals/";

class SenderRegistration : public WindowLogicTest {
 protected:
  bool Offered() const {
    for (const MenuItem& item : logic.SystemMenu()) {
      if (item.command == MenuCommand::kRegisterSender) return item.enabled;
    }
    ADD_FAILURE() << "no register entry";
    return false;
  }

  // The page reaches the address box as a click on the mail's line takes
  // it; a page no click can take is typed in by hand.
  void Show(const std::u16string& first_line, const std::u16string& page) {
    Paste(first_line + u"\r\n" + page + u"\r\n本文\r\n");
    ClickLine(1);
    if (memory.address_box.Text() != page) memory.address_box.SetText(page);
  }

  // The command, and yes to its question.
  void Register() {
    memory.dialogs.AnswerNext(MemoryDialogs::kYes);
    logic.RunMenuCommand(MenuCommand::kRegisterSender);
  }

  bool Contains(const std::u16string& text, const std::u16string& part) const {
    return text.find(part) != std::u16string::npos;
  }
};

TEST_F(SenderRegistration, IsOfferedOnlyForAnUnknownStorableSenderAndASafePage) {
  struct Case {
    const char* why;
    std::u16string first_line, page;
    bool offered;
  };
  const std::u16string known = u"From: " + std::u16string(SenderPages()[0].key);
  const Case cases[] = {
      {"six characters name no sender", u"From: ", kPage, false},
      {"no address in the URL box", kNewSender, u"", false},
      {"not a web address", kNewSender, u"ftp://new-shop.example/", false},
      {"a space would split the command line", kNewSender, u"https://x.example/a b", false},
      {"a tab cannot be stored", u"From: a\tb@x.example>", kPage, false},
      {"a key beginning with # would read as a comment", u"From: #a@x.example>", kPage, false},
      {"a known sender's new row would never be reached", known, kPage, false},
      {"a new sender and a safe page", kNewSender, kPage, true},
  };
  memory.dialogs.AnswerNext(MemoryDialogs::kYes);
  for (const Case& c : cases) {
    Show(c.first_line, c.page);
    EXPECT_EQ(Offered(), c.offered) << c.why;
    logic.RunMenuCommand(MenuCommand::kRegisterSender);
  }
  EXPECT_EQ(memory.dialogs.shown().size(), 1u) << "only the offered command ran";
  EXPECT_EQ(memory.files.ReplaceCalls(kSenderPath), 1);
}

TEST_F(SenderRegistration, AppendsTheRowTellsItAndUsesItNowAndAfterARestart) {
  memory.files.Put(kSenderPath, "a@x.example>\thttp://x.example/\n");
  logic.LoadSenders();
  Show(kNewSender, kPage);
  Register();

  EXPECT_EQ(memory.files.Content(kSenderPath),
            "a@x.example>\thttp://x.example/\n"
            "news@new-shop.example>\thttps://new-shop.example/arrivals/\n");
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  const UserMessage& told = memory.dialogs.shown()[0].message;
  EXPECT_FALSE(told.warning);
  EXPECT_TRUE(Contains(told.details, u"news@new-shop.example>")) << "the key, not the line";
  EXPECT_FALSE(Contains(told.details, kNewSender));
  EXPECT_TRUE(Contains(told.details, kPage));
  EXPECT_TRUE(Contains(told.details, kSenderPath));
  EXPECT_FALSE(Offered()) << "registered once";

  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  ASSERT_EQ(memory.process.started().size(), 1u);
  EXPECT_EQ(memory.process.started()[0].command_line, BrowserCommandLine(kPage));

  MemoryPlatform next;
  next.files.Put(kSenderPath, *memory.files.Content(kSenderPath));
  SettingsStore next_settings{next.files, *codec};
  WindowLogic next_form{next.platform, next_settings};
  next_form.LoadSenders();
  EXPECT_EQ(next_form.user_senders().rows().size(), 2u);
  EXPECT_EQ(next_form.user_senders().PageFor(SenderKeyOf(kNewSender)), kPage);
}

TEST_F(SenderRegistration, ANewFileExplainsItselfAndReadsBack) {
  Show(kNewSender, kPage);
  Register();
  const std::string bytes = memory.files.Content(kSenderPath).value_or("");
  EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF# ")) << bytes;
  EXPECT_TRUE(
      bytes.ends_with("\r\nnews@new-shop.example>\thttps://new-shop.example/arrivals/\r\n"));
  logic.LoadSenders();
  EXPECT_EQ(logic.user_senders().rows(),
            (std::vector<SenderRow>{{SenderKeyOf(kNewSender), kPage}}));
}

TEST_F(SenderRegistration, AFailedSaveIsToldAndRegistersNothing) {
  memory.files.SetReplaceFails(kSenderPath, true);
  Show(kNewSender, kPage);
  Register();
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  const UserMessage& told = memory.dialogs.shown()[0].message;
  EXPECT_TRUE(told.warning);
  EXPECT_EQ(told.heading, texts::SendersNotSaved({kSenderPath, 0, u""}).heading);
  EXPECT_TRUE(Contains(told.details, kSenderPath));
  EXPECT_TRUE(Contains(told.details, u"error 5"));
  EXPECT_TRUE(logic.user_senders().rows().empty());
  EXPECT_TRUE(Offered()) << "the user may try again";
}

TEST_F(SenderRegistration, AFileThatCannotBeReadIsNeitherUsedNorReplaced) {
  memory.files.Put(kSenderPath, "news@new-shop.example>\thttp://x.example/\r\n");
  memory.files.SetUnreadable(kSenderPath, true);
  logic.LoadSenders();
  EXPECT_TRUE(logic.user_senders().rows().empty());
  Show(kNewSender, kPage);
  Register();
  EXPECT_EQ(memory.files.ReplaceCalls(kSenderPath), 0);
  ASSERT_EQ(memory.dialogs.shown().size(), 1u);
  EXPECT_TRUE(memory.dialogs.shown()[0].message.warning);
}

TEST_F(SenderRegistration, IsOfferedOnlyForAnAddressClickedInTheMailNowShown) {
  Paste(kNewSender + u"\r\n本文\r\n");
  memory.address_box.SetText(kPage);
  EXPECT_FALSE(Offered()) << "typed by hand";
  Show(kNewSender, kPage);
  memory.address_box.SetText(kPage + u"other/");
  EXPECT_FALSE(Offered()) << "clicked, then changed by hand";
  Show(kNewSender, kPage);
  Paste(u"From: info@other-shop.example>\r\n本文\r\n");
  EXPECT_FALSE(Offered()) << "left from the mail before";
}

TEST_F(SenderRegistration, AsksWithTheSenderAndThePageAndNoSavesNothing) {
  Show(kNewSender, kPage);
  memory.dialogs.AnswerNext(MemoryDialogs::kNo);
  logic.RunMenuCommand(MenuCommand::kRegisterSender);
  ASSERT_EQ(memory.dialogs.asked().size(), 1u);
  EXPECT_TRUE(Contains(memory.dialogs.asked()[0].details, u"news@new-shop.example>"));
  EXPECT_TRUE(Contains(memory.dialogs.asked()[0].details, kPage));
  EXPECT_FALSE(memory.files.Exists(kSenderPath));
  EXPECT_TRUE(memory.dialogs.shown().empty());
}

}  // namespace
}  // namespace vorenta
