// The settings store over the in-memory files: where the files are, and
// that no failure loses the user's keyword file.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ansi_codec.h"
#include "platform/memory/memory_files.h"
#include "settings/sender_file.h"
#include "settings/settings_store.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;

const std::u16string kFolder = u"C:\\Tools\\Vorenta";
const std::u16string kKeywordPath = u"C:\\Tools\\Vorenta\\SMdata1.dat";
const std::u16string kGeometryPath = u"C:\\Tools\\Vorenta\\SMdata2.dat";
const std::string kSale = "\x83\x5A\x81\x5B\x83\x8B";  // セール

class SettingsStoreTest : public testing::Test {
 protected:
  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
  MemoryFiles files_{kFolder};
  SettingsStore store_{files_, *codec_};
};

TEST_F(SettingsStoreTest, FilesLieInTheExecutablesFolder) {
  EXPECT_EQ(store_.PathOf(kKeywordFileName), kKeywordPath);
  EXPECT_EQ(store_.PathOf(kGeometryFileName), kGeometryPath);
}

TEST_F(SettingsStoreTest, AMissingKeywordFileGivesAnEmptyList) {
  EXPECT_EQ(store_.LoadKeywords(), Keywords{});
}

TEST_F(SettingsStoreTest, LoadsTheKeywordFile) {
  files_.Put(kKeywordPath, kSale + "\r\n\r\na,b\r\n");
  EXPECT_EQ(store_.LoadKeywords(), (Keywords{u"セール", u"", u"a", u"b"}));
}

TEST_F(SettingsStoreTest, SavesTheKeywordFileAtEveryClose) {
  files_.Put(kKeywordPath, "old\r\n");
  store_.LoadKeywords();
  store_.SaveKeywords({u"セール", u"a,b"}, /*edited_during_run=*/false);
  EXPECT_EQ(files_.Content(kKeywordPath), kSale + "\r\n\"a,b\"\r\n");
}

TEST_F(SettingsStoreTest, AnEmptyListLeavesAZeroByteFile) {
  files_.Put(kKeywordPath, "old\r\n");
  store_.LoadKeywords();
  store_.SaveKeywords({}, /*edited_during_run=*/true);
  EXPECT_EQ(files_.Content(kKeywordPath), "");
  EXPECT_EQ(store_.LoadKeywords(), Keywords{});
}

TEST_F(SettingsStoreTest, AMissingFileIsCreatedAtClose) {
  store_.LoadKeywords();
  store_.SaveKeywords({u"x"}, /*edited_during_run=*/false);
  EXPECT_EQ(files_.Content(kKeywordPath), "x\r\n");
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsKeptWhenTheListWasNotEdited) {
  files_.Put(kKeywordPath, "precious\r\n");
  files_.SetUnreadable(kKeywordPath, true);
  EXPECT_EQ(store_.LoadKeywords(), Keywords{});
  store_.SaveKeywords({}, /*edited_during_run=*/false);
  EXPECT_EQ(files_.ReplaceCalls(kKeywordPath), 0);
  EXPECT_EQ(files_.Content(kKeywordPath), "precious\r\n");
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsReplacedWhenTheUserEditedTheList) {
  files_.Put(kKeywordPath, "precious\r\n");
  files_.SetUnreadable(kKeywordPath, true);
  store_.LoadKeywords();
  files_.SetUnreadable(kKeywordPath, false);
  store_.SaveKeywords({u"new"}, /*edited_during_run=*/true);
  EXPECT_EQ(files_.Content(kKeywordPath), "new\r\n");
}

TEST_F(SettingsStoreTest, AFileWithUndecodableBytesIsKeptWhenTheListWasNotEdited) {
  // Say the user saved the file as UTF-8 without a mark in an editor.
  const std::string bytes = "\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB\r\n";
  files_.Put(kKeywordPath, bytes);
  EXPECT_EQ(store_.LoadKeywords().size(), 1u);
  store_.SaveKeywords(store_.LoadKeywords(), /*edited_during_run=*/false);
  EXPECT_EQ(files_.Content(kKeywordPath), bytes);
}

TEST_F(SettingsStoreTest, AReadableFileAfterAnUnreadableOneIsSavedAgain) {
  files_.Put(kKeywordPath, "a\r\n");
  files_.SetUnreadable(kKeywordPath, true);
  store_.LoadKeywords();
  files_.SetUnreadable(kKeywordPath, false);
  EXPECT_EQ(store_.LoadKeywords(), Keywords{u"a"});
  store_.SaveKeywords({u"b"}, /*edited_during_run=*/false);
  EXPECT_EQ(files_.Content(kKeywordPath), "b\r\n");
}

TEST_F(SettingsStoreTest, AFailedReplaceKeepsTheOldFileQuietly) {
  files_.Put(kKeywordPath, "old\r\n");
  files_.Put(kGeometryPath, " 1 \r\n 2 \r\n 3 \r\n 4 \r\n");
  files_.SetReplaceFails(kKeywordPath, true);
  files_.SetReplaceFails(kGeometryPath, true);
  store_.LoadKeywords();
  store_.SaveKeywords({u"new"}, /*edited_during_run=*/true);
  store_.SaveGeometry(8685, 6000, 0, 0);
  EXPECT_EQ(files_.Content(kKeywordPath), "old\r\n");
  EXPECT_EQ(files_.Content(kGeometryPath), " 1 \r\n 2 \r\n 3 \r\n 4 \r\n");
}

TEST_F(SettingsStoreTest, SavesTheGeometryFile) {
  store_.SaveGeometry(8685.714f, 6000, -480000, 120);
  EXPECT_EQ(files_.Content(kGeometryPath), " 8685.714 \r\n 6000 \r\n-480000 \r\n 120 \r\n");
}

TEST_F(SettingsStoreTest, WithoutAnExecutableFolderNothingIsReadOrWritten) {
  files_.SetExecutableFolder(u"");
  files_.Put(u"\\SMdata1.dat", "root\r\n");
  EXPECT_EQ(store_.LoadKeywords(), Keywords{});
  store_.SaveKeywords({u"x"}, /*edited_during_run=*/true);
  store_.SaveGeometry(1, 2, 3, 4);
  EXPECT_EQ(files_.FileCount(), 1);
  EXPECT_EQ(files_.Content(u"\\SMdata1.dat"), "root\r\n");
}

// Files whose operations throw: nothing escapes the store.
class ThrowingFiles : public Files {
 public:
  std::u16string ExecutableFolder() const override { return u"C:\\x"; }
  FileContent Read(const std::u16string&) const override { throw std::bad_alloc(); }
  FileResult CopyToNew(const std::u16string&, const std::u16string&) override {
    throw std::runtime_error("disk");
  }
  std::u16string ErrorText(std::uint32_t) const override { throw std::bad_alloc(); }
  LocalTime Now() const override { return {}; }
  int UtcOffsetMinutes() const override { return 0; }
  FileResult WriteNewFile(const std::u16string&, const std::string&) override {
    throw std::runtime_error("disk");
  }
  FileResult MoveReplacing(const std::u16string&, const std::u16string&) override {
    throw std::runtime_error("disk");
  }
  FileResult Delete(const std::u16string&) override { throw std::runtime_error("disk"); }
  bool IsFolder(const std::u16string&) const override { throw std::bad_alloc(); }
  std::vector<FolderEntry> FilesStartingWith(const std::u16string&,
                                             std::u16string_view) const override {
    throw std::bad_alloc();
  }
  std::uint32_t ProcessId() const override { return 1; }
};

TEST(SettingsStoreFailures, NoExceptionEscapesAndAFailedLoadKeepsTheFile) {
  ThrowingFiles files;
  const auto codec = MakeSystemAnsiCodec();
  SettingsStore store(files, *codec);
  EXPECT_EQ(store.LoadKeywords(), Keywords{});
  EXPECT_NO_THROW(store.SaveKeywords({u"x"}, /*edited_during_run=*/false));
  EXPECT_NO_THROW(store.SaveKeywords({u"x"}, /*edited_during_run=*/true));
  EXPECT_NO_THROW(store.SaveGeometry(1, 2, 3, 4));
}

}  // namespace
}  // namespace vorenta

namespace vorenta {
namespace {

const std::u16string kKeptAside = u"C:\\Tools\\Vorenta\\SMdata1.dat.unreadable-20261207-093000";

TEST_F(SettingsStoreTest, AFailedSaveSaysWhichFileAndWhy) {
  files_.SetReplaceFails(kKeywordPath, true, kErrorIsFolder);
  const SaveOutcome outcome = store_.SaveKeywords({u"x"}, /*edited_during_run=*/true);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.result.error, kErrorIsFolder);
  EXPECT_EQ(outcome.path, kKeywordPath);
  EXPECT_TRUE(static_cast<bool>(store_.SaveGeometry(1, 2, 3, 4)));
}

TEST_F(SettingsStoreTest, AnUncleanFileIsCopiedAsideOnceBeforeTheFirstReplace) {
  const std::string bytes = "a\r\n\x81";  // a lead byte without its trail byte
  files_.Put(kKeywordPath, bytes);
  files_.Put(kKeptAside, "an earlier copy");
  store_.SaveKeywords(store_.LoadKeywords(), /*edited_during_run=*/false);
  EXPECT_EQ(files_.FileCount(), 2);

  const SaveOutcome first = store_.SaveKeywords({u"new"}, /*edited_during_run=*/true);
  ASSERT_TRUE(static_cast<bool>(first));
  EXPECT_EQ(first.kept_aside_as, kKeptAside + u"-2");
  EXPECT_EQ(files_.Content(kKeptAside + u"-2"), bytes);
  EXPECT_EQ(files_.Content(kKeptAside), "an earlier copy");
  EXPECT_EQ(files_.Content(kKeywordPath), "new\r\n");

  const SaveOutcome second = store_.SaveKeywords({u"newer"}, /*edited_during_run=*/true);
  EXPECT_TRUE(second.kept_aside_as.empty());
  EXPECT_EQ(files_.FileCount(), 3);
}

TEST_F(SettingsStoreTest, AFileThatCannotBeCopiedAsideIsNotReplaced) {
  files_.Put(kKeywordPath, "precious\r\n");
  files_.SetUnreadable(kKeywordPath, true);
  store_.LoadKeywords();
  files_.SetReplaceFails(kKeptAside, true);
  const SaveOutcome outcome = store_.SaveKeywords({u"new"}, /*edited_during_run=*/true);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(files_.ReplaceCalls(kKeywordPath), 0);
  // Once the copy can be made, the save goes through.
  files_.SetReplaceFails(kKeptAside, false);
  EXPECT_TRUE(static_cast<bool>(store_.SaveKeywords({u"new"}, /*edited_during_run=*/true)));
  EXPECT_EQ(files_.Content(kKeptAside), "precious\r\n");
}

TEST_F(SettingsStoreTest, OptionsAreDefaultsUntilSavedAndKeepForeignLines) {
  const std::u16string path = kFolder + u"\\Vorenta.ini";
  EXPECT_EQ(store_.LoadOptions(), Options{});
  EXPECT_FALSE(files_.Exists(path));
  files_.Put(path, "Later=7\r\n");
  ASSERT_TRUE(static_cast<bool>(store_.SaveOptions(Options{true, false, false})));
  EXPECT_EQ(files_.Content(path),
            "Later=7\r\nFuzzySearch=1\r\nAlwaysOnTop=0\r\nRememberPlacement=0\r\n");
  EXPECT_EQ(store_.LoadOptions(), (Options{true, false, false}));
  // A file that cannot be read now is not replaced by one without its lines.
  files_.SetUnreadable(path, true);
  EXPECT_EQ(store_.LoadOptions(), Options{});
  EXPECT_FALSE(store_.SaveOptions(Options{}));
  files_.SetUnreadable(path, false);
  EXPECT_EQ(store_.LoadOptions(), (Options{true, false, false}));
}

}  // namespace
}  // namespace vorenta

namespace vorenta {
namespace {

// Appending rewrites the whole file: one the store could not read whole, or
// cannot add to in its own code page, stays as it is.
TEST_F(SettingsStoreTest, ASenderFileThatCannotTakeTheRowIsLeftAsItIs) {
  const std::u16string path = kFolder + u"\\SMsenders.txt";
  const SenderRow row{u"\uD55C@x.example>", u"http://x.example/"};
  struct Case {
    std::string bytes;
    std::uint32_t error;
  };
  const Case cases[] = {
      {std::string(kMaxSenderFileBytes + 1, '#'), 223},  // ERROR_FILE_TOO_LARGE
      {kSale + "\thttp://y.example/\r\n", 1113},         // ERROR_NO_UNICODE_TRANSLATION
  };
  for (const Case& c : cases) {
    files_.Put(path, c.bytes);
    const SaveOutcome outcome = store_.AppendSenderRow(row, u"");
    EXPECT_EQ(outcome.result.error, c.error);
    EXPECT_EQ(outcome.path, path);
    EXPECT_EQ(files_.Content(path), c.bytes);
  }
}

}  // namespace
}  // namespace vorenta
