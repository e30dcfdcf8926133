// Replacing a file through a temporary one, and the names its leftovers have.

#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_files.h"

namespace vorenta {
namespace {

TEST(FileReplace, OnlyTheNamesOurSavesMakeAreLeftovers) {
  const struct {
    const char16_t* name;
    LeftoverKind kind;
  } cases[] = {
      {u"SMdata1.dat.1a2b-3.tmp", LeftoverKind::kTemporary},
      {u"smdata1.DAT.1A2B-FFFFFFFF.TMP", LeftoverKind::kTemporary},
      {u"SMdata1.dat.0-0.bak", LeftoverKind::kBackup},
      {u"SMdata1.dat", LeftoverKind::kNone},
      {u"SMdata1.dat.unreadable-20261207-093000", LeftoverKind::kNone},
      {u"SMdata1.dat.1a2b.tmp", LeftoverKind::kNone},
      {u"SMdata1.dat.-3.tmp", LeftoverKind::kNone},
      {u"SMdata1.dat.xyz-3.tmp", LeftoverKind::kNone},
      {u"SMdata1.dat.123456789-3.tmp", LeftoverKind::kNone},
      {u"SMdata1.dat.1-2.tmp.txt", LeftoverKind::kNone},
      {u"SMdata1.dat.1-2.old", LeftoverKind::kNone},
      {u"SMdata10.dat.1-2.tmp", LeftoverKind::kNone},
  };
  for (const auto& c : cases) {
    const std::u16string_view name = c.name;
    EXPECT_EQ(LeftoverOf(name, u"SMdata1.dat"), c.kind) << std::string(name.begin(), name.end());
  }
  EXPECT_EQ(LeftoverOf(u"SMdata1.dat.1a2b-7.tmp", u"SMdata1.dat"),
            LeftoverOf(TemporaryNameFor(u"SMdata1.dat", 0x1a2b, 7), u"SMdata1.dat"));
}

TEST(FileReplace, AReplacementLeavesOnlyTheFileAndAFailedOneOnlyTheOldFile) {
  const std::u16string path = u"C:\\V\\a.txt";
  MemoryFiles files(u"C:\\V");
  files.Put(path, "old");
  ASSERT_TRUE(files.Replace(path, "new"));
  EXPECT_EQ(files.Content(path), "new");
  EXPECT_EQ(files.FileCount(), 1);

  files.SetReplaceFails(path, true, kErrorSharingViolation);
  EXPECT_EQ(files.Replace(path, "newer").error, kErrorSharingViolation);
  EXPECT_EQ(files.Content(path), "new");
  EXPECT_EQ(files.FileCount(), 1);

  files.PutFolder(u"C:\\V\\dir");
  EXPECT_EQ(files.Replace(u"C:\\V\\dir", "x").error, kErrorIsFolder);
}

}  // namespace
}  // namespace vorenta
