#include "platform/memory/memory_services.h"

#include <algorithm>
#include <cstring>

namespace vorenta {

std::optional<std::u16string> MemoryClipboard::Text() {
  if (held_) return std::nullopt;
  return text_.value_or(std::u16string());
}

bool MemoryClipboard::UseText(const std::function<void(std::u16string_view)>& use) {
  if (held_) return false;
  use(text_ ? std::u16string_view(*text_) : std::u16string_view());
  return true;
}

bool MemoryClipboard::UseHtml(const std::function<void(std::optional<std::string_view>)>& use) {
  if (held_) return false;
  use(html_ ? std::optional<std::string_view>(*html_) : std::nullopt);
  return true;
}

bool MemoryClipboard::Clear() {
  if (held_) return false;
  text_.reset();
  html_.reset();
  files_.clear();
  return true;
}

bool MemoryClipboard::SetText(const std::u16string& text) {
  if (held_) return false;
  // Setting data empties the clipboard first, as the real one does.
  html_.reset();
  files_.clear();
  text_ = text;
  return true;
}

bool MemoryProcessStarter::Start(const std::u16string& command_line, int show_style) {
  started_.push_back({command_line, show_style});
  return !browser_missing_;
}

bool MemoryProcessStarter::OpenWithDefaultBrowser(const std::u16string& url) {
  opened_.push_back(url);
  return true;
}

int MemoryDialogs::NextAnswer() {
  if (on_question_) on_question_();
  if (answers_.empty()) return kCancelled;
  const int answer = answers_.front();
  answers_.erase(answers_.begin());
  return answer;
}

int MemoryDialogs::Choose(const UserMessage& message, const std::vector<std::u16string>& choices) {
  shown_.push_back({message, choices});
  return NextAnswer();
}

bool MemoryDialogs::Ask(const UserMessage& question) {
  asked_.push_back(question);
  return NextAnswer() == kYes;
}

std::optional<std::u16string> MemoryDialogs::NextFile(const FileQuestion& question) {
  file_questions_.push_back(question);
  if (files_.empty()) return std::nullopt;
  std::optional<std::u16string> path = std::move(files_.front());
  files_.erase(files_.begin());
  return path;
}

std::optional<std::u16string> MemoryDialogs::ChooseFileToSave(const FileQuestion& question) {
  return NextFile(question);
}

std::optional<std::u16string> MemoryDialogs::ChooseFileToOpen(const FileQuestion& question) {
  return NextFile(question);
}

std::int32_t MemorySystemCalls::SetWindowPos(std::intptr_t window, std::intptr_t insert_after,
                                             int x, int y, int cx, int cy, unsigned flags) {
  window_pos_calls_.push_back({window, insert_after, x, y, cx, cy, flags});
  if (insert_after == -1) topmost_ = true;
  if (insert_after == -2) topmost_ = false;
  return 1;
}

std::uint32_t MemorySystemCalls::GetModuleFileNameA(char* buffer, std::uint32_t size) {
  if (module_path_.empty() || size == 0) return 0;
  // As the real call: truncated to the buffer, NUL-terminated, and the count
  // excludes the NUL unless the path was cut.
  const auto copied = static_cast<std::uint32_t>(std::min<size_t>(module_path_.size(), size - 1));
  std::memcpy(buffer, module_path_.data(), copied);
  buffer[copied] = '\0';
  return copied < module_path_.size() ? size : copied;
}

}  // namespace vorenta
