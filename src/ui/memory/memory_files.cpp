#include "ui/memory/memory_files.h"

#include <string>

namespace vorenta {

FileContent MemoryFiles::Read(const std::u16string& path) const {
  if (unreadable_.count(path) != 0) return {ReadStatus::kFailed, {}};
  const auto it = files_.find(path);
  if (it == files_.end()) return {ReadStatus::kMissing, {}};
  return {ReadStatus::kOk, it->second};
}

FileResult MemoryFiles::Replace(const std::u16string& path, const std::string& bytes) {
  ++replace_calls_[path];
  if (const auto it = replace_fails_.find(path); it != replace_fails_.end()) return {it->second};
  files_[path] = bytes;
  return {};
}

FileResult MemoryFiles::CopyToNew(const std::u16string& from, const std::u16string& to) {
  if (const auto it = replace_fails_.find(to); it != replace_fails_.end()) return {it->second};
  if (files_.count(to) != 0) return {kErrorFileExists};
  const auto source = files_.find(from);
  if (source == files_.end()) return {2};  // ERROR_FILE_NOT_FOUND
  files_[to] = source->second;
  return {};
}

std::u16string MemoryFiles::ErrorText(std::uint32_t error) const {
  std::u16string text = u"error ";
  for (char c : std::to_string(error)) text += static_cast<char16_t>(c);
  return text;
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

void MemoryFiles::SetReplaceFails(const std::u16string& path, bool fails, std::uint32_t error) {
  if (fails && error != 0) {
    replace_fails_[path] = error;
  } else {
    replace_fails_.erase(path);
  }
}

int MemoryFiles::ReplaceCalls(const std::u16string& path) const {
  const auto it = replace_calls_.find(path);
  return it == replace_calls_.end() ? 0 : it->second;
}

}  // namespace vorenta
