// A save cut short at any step, by a kill or a power cut, never costs the
// user the keyword list, and what it leaves behind is cleaned up or used.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ansi_codec.h"
#include "platform/memory/memory_files.h"
#include "settings/settings_store.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;
using Status = KeywordLoad::Status;

const std::u16string kFolder = u"C:\\V";
const std::u16string kKeywordPath = u"C:\\V\\SMdata1.dat";

class SaveInterrupted : public testing::Test {
 protected:
  KeywordLoad StartAgain() { return SettingsStore(files_, *codec_).LoadKeywordFile(); }
  int FilesInFolder() const {
    return static_cast<int>(files_.FilesStartingWith(kFolder, u"").size());
  }

  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
  MemoryFiles files_{kFolder};
};

TEST_F(SaveInterrupted, AtEveryStepAWholeListCarriesTheNameAndTheNextStartCleansUp) {
  const Keywords before{u"sale", u"a,b"};
  const Keywords after{u"sale", u"a,b", u"new"};
  bool save_finished = false;
  for (int kill_after = 0; !save_finished; ++kill_after) {
    SCOPED_TRACE(kill_after);
    files_ = MemoryFiles(kFolder);
    files_.Put(u"C:\\V\\SMdata1.dat.77-1.tmp", "left by an earlier kill");
    SettingsStore store(files_, *codec_);
    store.SaveKeywords(before, /*edited_during_run=*/true);
    ASSERT_EQ(store.LoadKeywords(), before);
    const std::string old_bytes = *files_.Content(kKeywordPath);

    const int steps_before = files_.Steps();
    files_.KillAfterSteps(kill_after);
    store.SaveKeywords(after, /*edited_during_run=*/true);
    save_finished = files_.Steps() - steps_before < kill_after;
    files_.Revive();

    const KeywordLoad load = StartAgain();
    EXPECT_EQ(load.status, Status::kRead);
    EXPECT_TRUE(load.keywords == before || load.keywords == after);
    if (save_finished) {
      EXPECT_EQ(load.keywords, after);
    }
    EXPECT_EQ(FilesInFolder(), 1) << "leftovers are removed once the list is safe";
  }
}

struct LeftoverCase {
  const char* title;
  std::vector<std::pair<const char16_t*, std::string>> files;  // oldest first
  Status status;
  Keywords keywords;
};

TEST_F(SaveInterrupted, AMissingFileIsRecoveredFromTheNewestCompleteLeftover) {
  const LeftoverCase cases[] = {
      {"an older version's replace: old list in the backup, new one complete",
       {{u"SMdata1.dat.a-1.bak", "old\r\n"}, {u"SMdata1.dat.a-2.tmp", "old\r\nnew\r\n"}},
       Status::kRecovered,
       {u"old", u"new"}},
      {"the newest was cut short while it was written",
       {{u"SMdata1.dat.a-1.bak", "old\r\n"}, {u"SMdata1.dat.a-2.tmp", "old\r\nne"}},
       Status::kRecovered,
       {u"old"}},
      {"an empty temporary file tells nothing",
       {{u"SMdata1.dat.a-1.tmp", "old\r\n"}, {u"SMdata1.dat.a-2.tmp", ""}},
       Status::kRecovered,
       {u"old"}},
      {"nothing complete: an empty list, and nothing is deleted",
       {{u"SMdata1.dat.a-1.tmp", "ol"}, {u"SMdata1.dat.unreadable-20261207-093000", "x\r\n"}},
       Status::kMissing,
       {}},
  };
  for (const LeftoverCase& c : cases) {
    SCOPED_TRACE(c.title);
    files_ = MemoryFiles(kFolder);
    for (const auto& [name, bytes] : c.files) files_.Put(kFolder + u"\\" + name, bytes);
    files_.Put(u"C:\\V\\SMdata2.dat.a-3.tmp", "geometry");

    const KeywordLoad load = StartAgain();
    EXPECT_EQ(load.status, c.status);
    EXPECT_EQ(load.keywords, c.keywords);
    if (c.status == Status::kRecovered) {
      EXPECT_TRUE(load.recovered_saved);
      EXPECT_EQ(StartAgain().keywords, c.keywords) << "saved under the right name";
      EXPECT_EQ(FilesInFolder(), 2)
          << "the keyword file and the geometry leftover, whose file is missing";
    } else {
      EXPECT_EQ(FilesInFolder(), static_cast<int>(c.files.size()) + 1);
    }
  }
}

}  // namespace
}  // namespace vorenta
