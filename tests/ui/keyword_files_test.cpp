// Keyword lists written to a file and read from files, by the system menu
// and by files dropped on the keyword list: what is written, what joins the
// list, what is saved and what the user is told.

#include "settings/keyword_import.h"
#include "window_logic_fixture.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

const std::u16string kKeywordPath = u"C:\\Vorenta\\SMdata1.dat";
const std::u16string kBackup = u"D:\\backup\\キーワード.txt";

class KeywordFiles : public WindowLogicTest {
 protected:
  void Export(const std::u16string& path) {
    memory.dialogs.PickFileNext(path);
    logic.RunMenuCommand(MenuCommand::kExportKeywords);
  }
  void Import(const std::u16string& path) {
    memory.dialogs.PickFileNext(path);
    logic.RunMenuCommand(MenuCommand::kImportKeywords);
  }
  Keywords ListBoxItems() const {
    Keywords items;
    for (int i = 0; i < memory.keyword_list.Count(); ++i)
      items.push_back(memory.keyword_list.ItemText(i));
    return items;
  }
  // The one message told, or an empty one (and a failure) when the count
  // is not one.
  UserMessage Told() const {
    const auto& shown = memory.dialogs.shown();
    if (shown.size() != 1) {
      ADD_FAILURE() << shown.size() << " messages told";
      return {};
    }
    return shown.front().message;
  }
};

TEST_F(KeywordFiles, ExportAsksForATextFileAndWritesTheListThere) {
  const Keywords list = {u"セール", u"two\nlines"};
  logic.SetKeywords(list);
  Export(kBackup);
  ASSERT_EQ(memory.dialogs.file_questions().size(), 1u);
  const FileQuestion& question = memory.dialogs.file_questions().front();
  EXPECT_EQ(question.file_name, u"キーワード.txt");
  ASSERT_FALSE(question.types.empty());
  EXPECT_EQ(question.types.front().patterns, u"*.txt");
  ASSERT_TRUE(memory.files.Exists(kBackup));
  EXPECT_EQ(ReadKeywordImport(kBackup, *memory.files.Content(kBackup), *memory.cp932).keywords,
            list);
  const UserMessage told = Told();
  EXPECT_FALSE(told.warning);
  EXPECT_NE(told.heading.find(u"2 件"), std::u16string::npos);
  EXPECT_NE(told.details.find(kBackup), std::u16string::npos);
}

TEST_F(KeywordFiles, ACancelledDialogDoesNothing) {
  logic.SetKeywords({u"a"});
  logic.RunMenuCommand(MenuCommand::kExportKeywords);
  logic.RunMenuCommand(MenuCommand::kImportKeywords);
  EXPECT_EQ(memory.dialogs.file_questions().size(), 2u);
  EXPECT_TRUE(memory.dialogs.shown().empty());
  EXPECT_EQ(memory.files.FileCount(), 0);
  EXPECT_EQ(logic.Keywords(), Keywords{u"a"});
}

TEST_F(KeywordFiles, AFailedExportKeepsTheOldFileAndSaysWhatToDo) {
  memory.files.Put(kBackup, "old");
  // Refused: another folder helps, moving the program does not.
  memory.files.SetReplaceFails(kBackup, true, kErrorAccessDenied);
  logic.SetKeywords({u"a"});
  Export(kBackup);
  EXPECT_EQ(memory.files.Content(kBackup), "old");
  const UserMessage told = Told();
  EXPECT_TRUE(told.warning);
  EXPECT_NE(told.details.find(u"別のフォルダー"), std::u16string::npos);
}

TEST_F(KeywordFiles, ImportAddsTheNewKeywordsInTheirOrderSavesAndTellsHowMany) {
  logic.SetKeywords({u"b"});
  memory.files.Put(kBackup, "c\r\nb\r\na\r\nc\r\n");
  Import(kBackup);
  const Keywords merged = {u"b", u"c", u"a"};
  EXPECT_EQ(logic.Keywords(), merged);
  EXPECT_EQ(ListBoxItems(), merged);
  EXPECT_EQ(memory.files.Content(kKeywordPath), "b\r\nc\r\na\r\n");
  const UserMessage told = Told();
  EXPECT_NE(told.heading.find(u"2 件追加"), std::u16string::npos);
  EXPECT_NE(told.details.find(u"2 件"), std::u16string::npos) << "the two skipped";
}

TEST_F(KeywordFiles, AFileWithNothingNewChangesNothingAndSaysSo) {
  logic.SetKeywords({u"a", u"b"});
  memory.files.Put(kBackup, "b\r\na\r\n");
  Import(kBackup);
  EXPECT_EQ(logic.Keywords(), (Keywords{u"a", u"b"}));
  EXPECT_EQ(memory.files.ReplaceCalls(kKeywordPath), 0);
  EXPECT_NE(Told().heading.find(u"新しいキーワードはありません"), std::u16string::npos);
}

TEST_F(KeywordFiles, AFileThatCannotBeReadIsToldAndLeavesTheList) {
  struct Case {
    const char* name;
    std::function<void(MemoryFiles&)> arrange;
    std::u16string words;
  };
  const std::vector<Case> cases = {
      {"missing", [](MemoryFiles&) {}, u"error 2"},
      {"locked",
       [](MemoryFiles& files) {
         files.Put(kBackup, "a\r\n");
         files.SetUnreadable(kBackup, true, kErrorSharingViolation);
       },
       u"ほかのプログラム"},
      {"too large",
       [](MemoryFiles& files) { files.Put(kBackup, std::string((16u << 20) + 1, 'a')); }, u"16 MB"},
      {"binary", [](MemoryFiles& files) { files.Put(kBackup, std::string("MZ\0\0\x90", 5)); },
       u"テキストではない"},
  };
  for (const Case& c : cases) {
    MemoryPlatform m;
    SettingsStore store(m.files, *codec);
    WindowLogic fresh(m.platform, store);
    fresh.SetKeywords({u"kept"});
    c.arrange(m.files);
    m.dialogs.PickFileNext(kBackup);
    fresh.RunMenuCommand(MenuCommand::kImportKeywords);
    EXPECT_EQ(fresh.Keywords(), Keywords{u"kept"}) << c.name;
    EXPECT_FALSE(m.files.Exists(kKeywordPath)) << c.name;
    ASSERT_EQ(m.dialogs.shown().size(), 1u) << c.name;
    const UserMessage& told = m.dialogs.shown().front().message;
    EXPECT_TRUE(told.warning) << c.name;
    EXPECT_NE(told.details.find(kBackup), std::u16string::npos) << c.name;
    EXPECT_NE((told.heading + told.details).find(c.words), std::u16string::npos) << c.name;
  }
}

TEST_F(KeywordFiles, FilesDroppedOnTheListAreReadInOrderAndOnlyFilesAreTaken) {
  EXPECT_FALSE(logic.AcceptsKeywordListDrop(MemoryDropData(u"text")));
  EXPECT_FALSE(logic.AcceptsKeywordListDrop(
      MemoryDropData().WithMessage({u"m.eml", "Subject: x\r\n\r\nbody", std::nullopt})));
  const MemoryDropData drop = MemoryDropData().WithFiles(
      {u"C:\\d\\first.txt", u"C:\\d\\missing.txt", u"C:\\d\\SMdata1.dat"});
  EXPECT_TRUE(logic.AcceptsKeywordListDrop(drop));

  memory.files.Put(u"C:\\d\\first.txt", "x\r\ny\r\n");
  memory.files.Put(u"C:\\d\\SMdata1.dat", "y,z\r\n");
  logic.OnKeywordListDrop(drop);
  EXPECT_EQ(logic.Keywords(), (Keywords{u"x", u"y", u"z"}));
  EXPECT_EQ(memory.files.ReplaceCalls(kKeywordPath), 1) << "saved once";
  const auto& shown = memory.dialogs.shown();
  ASSERT_EQ(shown.size(), 2u) << "the missing file, then the count";
  EXPECT_NE(shown[0].message.details.find(u"missing.txt"), std::u16string::npos);
  EXPECT_NE(shown[1].message.heading.find(u"3 件追加"), std::u16string::npos);
}

}  // namespace
}  // namespace vorenta
