#pragma once
// Files held in memory: a map from full path to content. Tests can make a
// file unreadable and make replacing a file fail, as a locked file or a
// read-only folder would.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "ui/platform.h"

namespace vorenta {

class MemoryFiles : public Files {
 public:
  static constexpr char16_t kDefaultFolder[] = u"C:\\Vorenta";

  explicit MemoryFiles(std::u16string executable_folder = kDefaultFolder)
      : folder_(std::move(executable_folder)) {}

  std::u16string ExecutableFolder() const override { return folder_; }
  // kFailed for a path made unreadable, even when it holds no file.
  FileContent Read(const std::u16string& path) const override;
  // Fails, leaving the old content, for a path whose replacement fails.
  FileResult Replace(const std::u16string& path, const std::string& bytes) override;
  FileResult CopyToNew(const std::u16string& from, const std::u16string& to) override;
  std::u16string ErrorText(std::uint32_t error) const override;
  LocalTime Now() const override { return now_; }

  void SetExecutableFolder(std::u16string folder) { folder_ = std::move(folder); }
  void Put(const std::u16string& path, std::string bytes) { files_[path] = std::move(bytes); }
  void Remove(const std::u16string& path) { files_.erase(path); }
  // The content, or nullopt when there is no file of that name.
  std::optional<std::string> Content(const std::u16string& path) const;
  bool Exists(const std::u16string& path) const { return files_.count(path) != 0; }
  int FileCount() const { return static_cast<int>(files_.size()); }

  void SetUnreadable(const std::u16string& path, bool unreadable);
  // Replacing the path (or copying to it) fails with the error; 0 lets it succeed.
  void SetReplaceFails(const std::u16string& path, bool fails,
                       std::uint32_t error = kErrorAccessDenied);
  void SetNow(LocalTime now) { now_ = now; }
  // Calls of Replace for the path, successful or not.
  int ReplaceCalls(const std::u16string& path) const;

 private:
  std::u16string folder_;
  std::map<std::u16string, std::string> files_;
  std::set<std::u16string> unreadable_;
  std::map<std::u16string, std::uint32_t> replace_fails_;
  LocalTime now_{2026, 12, 7, 9, 30, 0};
  std::map<std::u16string, int> replace_calls_;
};

}  // namespace vorenta
