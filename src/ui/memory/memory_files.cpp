#include "ui/memory/memory_files.h"

namespace vorenta {

FileContent MemoryFiles::Read(const std::u16string& path) const {
  if (unreadable_.count(path) != 0) return {ReadStatus::kFailed, {}};
  const auto it = files_.find(path);
  if (it == files_.end()) return {ReadStatus::kMissing, {}};
  return {ReadStatus::kOk, it->second};
}

bool MemoryFiles::Replace(const std::u16string& path, const std::string& bytes) {
  ++replace_calls_[path];
  if (replace_fails_.count(path) != 0) return false;
  files_[path] = bytes;
  return true;
}

std::optional<std::string> MemoryFiles::Content(const std::u16string& path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

void MemoryFiles::SetUnreadable(const std::u16string& path, bool unreadable) {
  if (unreadable) {
    unreadable_.insert(path);
  } else {
    unreadable_.erase(path);
  }
}

void MemoryFiles::SetReplaceFails(const std::u16string& path, bool fails) {
  if (fails) {
    replace_fails_.insert(path);
  } else {
    replace_fails_.erase(path);
  }
}

int MemoryFiles::ReplaceCalls(const std::u16string& path) const {
  const auto it = replace_calls_.find(path);
  return it == replace_calls_.end() ? 0 : it->second;
}

}  // namespace vorenta
