#include "platform/memory/memory_files.h"

#include <string>

namespace vorenta {

namespace {

constexpr std::uint32_t kErrorKilled = 1;  // what calls after the kill get

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  }
  return true;
}

}  // namespace

bool MemoryFiles::Step() {
  if (kill_at_ && steps_ >= *kill_at_) return false;
  ++steps_;
  return true;
}

void MemoryFiles::Put(const std::u16string& path, std::string bytes) {
  files_[path] = {std::move(bytes), ++clock_};
}

FileContent MemoryFiles::Read(const std::u16string& path) const {
  if (const auto it = unreadable_.find(path); it != unreadable_.end()) {
    return {ReadStatus::kFailed, {}, it->second};
  }
  const auto it = files_.find(path);
  if (it == files_.end()) return {ReadStatus::kMissing, {}};
  return {ReadStatus::kOk, it->second.bytes};
}

FileResult MemoryFiles::WriteNewFile(const std::u16string& path, const std::string& bytes) {
  if (files_.count(path) != 0 || folders_.count(path) != 0) return {kErrorFileExists};
  if (!Step()) return {kErrorKilled};
  Put(path, {});
  if (!Step()) return {kErrorKilled};
  Put(path, bytes.substr(0, bytes.size() / 2));
  if (!Step()) return {kErrorKilled};
  Put(path, bytes);
  return {};
}

FileResult MemoryFiles::MoveReplacing(const std::u16string& from, const std::u16string& to) {
  ++replace_calls_[to];
  if (const auto it = replace_fails_.find(to); it != replace_fails_.end()) return {it->second};
  const auto source = files_.find(from);
  if (source == files_.end()) return {kErrorFileNotFound};
  if (!Step()) return {kErrorKilled};
  files_[to] = std::move(source->second);
  files_.erase(from);
  return {};
}

FileResult MemoryFiles::Delete(const std::u16string& path) {
  if (files_.count(path) == 0) return {kErrorFileNotFound};
  if (!Step()) return {kErrorKilled};
  files_.erase(path);
  return {};
}

FileResult MemoryFiles::CopyToNew(const std::u16string& from, const std::u16string& to) {
  if (const auto it = replace_fails_.find(to); it != replace_fails_.end()) return {it->second};
  if (files_.count(to) != 0) return {kErrorFileExists};
  const auto source = files_.find(from);
  if (source == files_.end()) return {kErrorFileNotFound};
  if (!Step()) return {kErrorKilled};
  Put(to, source->second.bytes);
  return {};
}

std::vector<FolderEntry> MemoryFiles::FilesStartingWith(const std::u16string& folder,
                                                        std::u16string_view prefix) const {
  std::vector<FolderEntry> found;
  const std::u16string start = folder + u"\\";
  for (const auto& [path, file] : files_) {
    if (!StartsWithIgnoringCase(path, start)) continue;
    const std::u16string_view name = std::u16string_view(path).substr(start.size());
    if (name.find(u'\\') != std::u16string_view::npos) continue;
    if (StartsWithIgnoringCase(name, prefix))
      found.push_back({std::u16string(name), file.modified});
  }
  return found;
}

std::u16string MemoryFiles::ErrorText(std::uint32_t error) const {
  std::u16string text = u"error ";
  for (char c : std::to_string(error)) text += static_cast<char16_t>(c);
  return text;
}

std::optional<std::string> MemoryFiles::Content(const std::u16string& path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  return it->second.bytes;
}

void MemoryFiles::SetUnreadable(const std::u16string& path, bool unreadable, std::uint32_t error) {
  if (unreadable) {
    unreadable_[path] = error;
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
