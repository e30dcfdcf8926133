// Every edit of the keyword list reaches the file at once, and a failed save
// is told and offered again at close.

#include "window_logic_fixture.h"

namespace vorenta {
namespace {

const std::u16string kKeywordPath = u"C:\\Vorenta\\SMdata1.dat";
enum Choice { kSaveAgain, kCloseWithoutSaving, kDoNotClose };

class KeywordSavingTest : public WindowLogicTest {
 protected:
  void Add(const std::u16string& keyword) {
    memory.keyword_box.SetText(keyword);
    logic.OnKeywordBoxKey(kKeyEnter, 0);
  }
  void MakeUnwritable(bool unwritable) {
    memory.files.SetReplaceFails(kKeywordPath, unwritable, kErrorAccessDenied);
  }
  int Told() const { return static_cast<int>(memory.dialogs.shown().size()); }
};

TEST_F(KeywordSavingTest, EveryAddAndRemoveIsWrittenAtOnce) {
  Add(u"sale");
  EXPECT_EQ(memory.files.Content(kKeywordPath), "sale\r\n");
  Add(u"a,b");
  EXPECT_EQ(memory.files.Content(kKeywordPath), "sale\r\n\"a,b\"\r\n");
  memory.keyword_list.SetCurrentIndex(0);
  logic.OnKeywordListKey(kKeyDelete, 0);
  EXPECT_EQ(memory.files.Content(kKeywordPath), "\"a,b\"\r\n");
  memory.keyword_list.SetCurrentIndex(0);
  logic.OnKeywordDoubleClick();
  EXPECT_EQ(memory.files.Content(kKeywordPath), "");
  EXPECT_EQ(Told(), 0);
}

TEST_F(KeywordSavingTest, AFailedSaveIsToldOnceUntilASaveSucceedsAgain) {
  MakeUnwritable(true);
  Add(u"one");
  ASSERT_EQ(Told(), 1);
  const UserMessage& message = memory.dialogs.shown()[0].message;
  EXPECT_TRUE(message.warning);
  EXPECT_NE(message.details.find(kKeywordPath), std::u16string::npos);
  EXPECT_NE(message.details.find(u"error 5"), std::u16string::npos) << "the system's reason";
  Add(u"two");
  EXPECT_EQ(Told(), 1);

  MakeUnwritable(false);
  Add(u"three");
  EXPECT_EQ(memory.files.Content(kKeywordPath), "one\r\ntwo\r\nthree\r\n");
  MakeUnwritable(true);
  Add(u"four");
  EXPECT_EQ(Told(), 2);
}

TEST_F(KeywordSavingTest, AFolderInTheFilesPlaceIsNamedAsSuch) {
  memory.files.SetReplaceFails(kKeywordPath, true, kErrorIsFolder);
  Add(u"x");
  ASSERT_EQ(Told(), 1);
  EXPECT_NE(memory.dialogs.shown()[0].message.details.find(u"フォルダー"), std::u16string::npos);
}

TEST_F(KeywordSavingTest, TheAdviceFitsTheCause) {
  const struct {
    std::uint32_t error;
    const char16_t* advice;
  } cases[] = {
      {kErrorSharingViolation, u"そのプログラムを閉じて"},
      {kErrorLockViolation, u"そのプログラムを閉じて"},
      {kErrorDiskFull, u"ディスクの空き"},
      {kErrorHandleDiskFull, u"ディスクの空き"},
      {kErrorAccessDenied, u"書き込みのできるフォルダー"},
  };
  for (const auto& c : cases) {
    memory.dialogs.Forget();
    memory.files.SetReplaceFails(kKeywordPath, true, c.error);
    Add(u"x");
    memory.files.SetReplaceFails(kKeywordPath, false);
    Add(u"y");  // succeeds, so that the next failure is told again
    ASSERT_EQ(Told(), 1) << c.error;
    const std::u16string& details = memory.dialogs.shown()[0].message.details;
    EXPECT_NE(details.find(c.advice), std::u16string::npos) << c.error;
    const bool moves = c.error == kErrorAccessDenied;
    EXPECT_EQ(details.find(u"移して") != std::u16string::npos, moves) << c.error;
  }
}

TEST_F(KeywordSavingTest, ACloseWithNothingUnsavedAsksNothingEvenWhenItsSaveFails) {
  memory.files.Put(kKeywordPath, "kept\r\n");
  logic.SetKeywords({u"kept"});
  MakeUnwritable(true);
  EXPECT_TRUE(logic.MayClose(/*may_ask=*/true));
  EXPECT_EQ(Told(), 0);
}

TEST_F(KeywordSavingTest, ACloseWithUnsavedChangesOffersTheChoice) {
  struct Case {
    std::vector<int> answers;
    bool writable_on_retry;
    bool closes;
    const char* file_after;
  } cases[] = {
      {{kCloseWithoutSaving}, false, true, nullptr},
      {{kDoNotClose}, false, false, nullptr},
      {{Dialogs::kCancelled}, false, false, nullptr},
      {{kSaveAgain, kCloseWithoutSaving}, false, true, nullptr},
      {{kSaveAgain}, true, true, "new\r\n"},
  };
  for (const Case& c : cases) {
    MemoryPlatform m;
    SettingsStore store{m.files, *codec};
    WindowLogic f{m.platform, store};
    m.files.SetReplaceFails(kKeywordPath, true);
    m.keyword_box.SetText(u"new");
    f.OnKeywordBoxKey(kKeyEnter, 0);
    for (int answer : c.answers) m.dialogs.AnswerNext(answer);
    if (c.writable_on_retry) m.files.SetReplaceFails(kKeywordPath, false);
    m.dialogs.Forget();

    EXPECT_EQ(f.MayClose(/*may_ask=*/true), c.closes);
    const int questions = c.writable_on_retry ? 0 : static_cast<int>(c.answers.size());
    EXPECT_EQ(static_cast<int>(m.dialogs.shown().size()), questions);
    if (questions > 0) {
      EXPECT_EQ(m.dialogs.shown()[0].choices.size(), 3u);
    }
    if (c.file_after) {
      EXPECT_EQ(m.files.Content(kKeywordPath), c.file_after);
    }
  }
}

TEST_F(KeywordSavingTest, ARetryThatSucceedsClosesWithoutAnotherQuestion) {
  MakeUnwritable(true);
  Add(u"new");
  memory.dialogs.Forget();
  memory.dialogs.AnswerNext(kSaveAgain);
  // The user fixes the folder while the question is up; here before it.
  MakeUnwritable(false);
  EXPECT_TRUE(logic.MayClose(/*may_ask=*/true));
  EXPECT_EQ(memory.files.Content(kKeywordPath), "new\r\n");
}

TEST_F(KeywordSavingTest, EndingTheSessionNeverWaitsForTheUser) {
  MakeUnwritable(true);
  Add(u"new");
  memory.dialogs.Forget();
  EXPECT_TRUE(logic.MayClose(/*may_ask=*/false));
  EXPECT_EQ(Told(), 0);
  EXPECT_EQ(memory.files.ReplaceCalls(kKeywordPath), 2);
}

TEST_F(KeywordSavingTest, AnUnreadableFileIsKeptAsideAndTheUserIsToldWhere) {
  memory.files.Put(kKeywordPath, "\x81");  // a lead byte without its trail byte
  logic.SetKeywords(settings.LoadKeywords());
  Add(u"new");
  ASSERT_EQ(Told(), 1);
  const std::u16string kept = kKeywordPath + u".unreadable-20261207-093000";
  EXPECT_NE(memory.dialogs.shown()[0].message.details.find(kept), std::u16string::npos);
  EXPECT_EQ(memory.files.Content(kept), "\x81");
  Add(u"newer");
  EXPECT_EQ(Told(), 1);
}

}  // namespace
}  // namespace vorenta
