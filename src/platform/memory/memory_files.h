#pragma once
// Files held in memory: a map from full path to content. Tests can make a
// file unreadable, make replacing a file fail as a locked file or a
// read-only folder would, and stop the program dead after any step of a
// save, as a kill would.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/files.h"

namespace vorenta {

class MemoryFiles : public Files {
 public:
  static constexpr char16_t kDefaultFolder[] = u"C:\\Vorenta";
  static constexpr std::uint32_t kProcessId = 0x1a2b;

  explicit MemoryFiles(std::u16string executable_folder = kDefaultFolder)
      : folder_(std::move(executable_folder)) {}

  std::u16string ExecutableFolder() const override { return folder_; }
  // kFailed for a path made unreadable, even when it holds no file.
  FileContent Read(const std::u16string& path) const override;
  FileResult CopyToNew(const std::u16string& from, const std::u16string& to) override;
  std::u16string ErrorText(std::uint32_t error) const override;
  LocalTime Now() const override { return now_; }
  int UtcOffsetMinutes() const override { return 9 * 60; }  // Japan
  // Three steps: the empty file, half of the bytes, all of them.
  FileResult WriteNewFile(const std::u16string& path, const std::string& bytes) override;
  // Fails, leaving both files, for a target whose replacement fails.
  FileResult MoveReplacing(const std::u16string& from, const std::u16string& to) override;
  FileResult Delete(const std::u16string& path) override;
  bool IsFolder(const std::u16string& path) const override { return folders_.count(path) != 0; }
  std::vector<FolderEntry> FilesStartingWith(const std::u16string& folder,
                                             std::u16string_view prefix) const override;
  std::uint32_t ProcessId() const override { return kProcessId; }

  void SetExecutableFolder(std::u16string folder) { folder_ = std::move(folder); }
  // Each Put is a newer file than the one before.
  void Put(const std::u16string& path, std::string bytes);
  void PutFolder(const std::u16string& path) { folders_.insert(path); }
  void Remove(const std::u16string& path) { files_.erase(path); }
  // The content, or nullopt when there is no file of that name.
  std::optional<std::string> Content(const std::u16string& path) const;
  bool Exists(const std::u16string& path) const { return files_.count(path) != 0; }
  int FileCount() const { return static_cast<int>(files_.size()); }

  void SetUnreadable(const std::u16string& path, bool unreadable,
                     std::uint32_t error = kErrorAccessDenied);
  // Replacing the path (or copying to it) fails with the error; 0 lets it succeed.
  void SetReplaceFails(const std::u16string& path, bool fails,
                       std::uint32_t error = kErrorAccessDenied);
  void SetNow(LocalTime now) { now_ = now; }
  // Calls of Replace for the path, successful or not.
  int ReplaceCalls(const std::u16string& path) const;

  // The steps that changed the files so far.
  int Steps() const { return steps_; }
  // After that many more steps nothing changes any more: every later call
  // fails, as if the program had been killed.
  void KillAfterSteps(int steps) { kill_at_ = steps_ + steps; }
  void Revive() { kill_at_.reset(); }

 private:
  // False once the program is "killed"; otherwise counts the step.
  bool Step();

  struct File {
    std::string bytes;
    std::uint64_t modified = 0;
  };

  std::u16string folder_;
  std::map<std::u16string, File> files_;
  std::set<std::u16string> folders_;
  std::map<std::u16string, std::uint32_t> unreadable_;
  std::map<std::u16string, std::uint32_t> replace_fails_;
  LocalTime now_{2026, 12, 7, 9, 30, 0};
  std::map<std::u16string, int> replace_calls_;
  std::uint64_t clock_ = 0;
  int steps_ = 0;
  std::optional<int> kill_at_;
};

}  // namespace vorenta
