#pragma once
// Clipboard, process start, dialogs and system calls held in memory; each
// records what the program asked of it.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/outlook_item_files.h"
#include "platform/process_starter.h"
#include "platform/system_calls.h"

namespace vorenta {

class MemoryClipboard : public Clipboard {
 public:
  std::optional<std::u16string> Text() override;
  bool UseText(const std::function<void(std::u16string_view)>& use) override;
  bool UseHtml(const std::function<void(std::optional<std::string_view>)>& use) override;
  std::vector<std::u16string> FileNames() override {
    return held_ ? std::vector<std::u16string>{} : files_;
  }
  bool Clear() override;
  bool SetText(const std::u16string& text) override;

  // Another program holds the clipboard: it cannot be opened.
  void SetHeldByOther(bool held) { held_ = held; }
  void Put(const std::u16string& text) { text_ = text; }
  // What a copy from a browser or a mail program adds beside the text.
  void PutHtml(std::string bytes) { html_ = std::move(bytes); }
  // What a copy of files in Explorer leaves.
  void PutFiles(std::vector<std::u16string> names) { files_ = std::move(names); }
  void RemoveText() { text_.reset(); }
  const std::optional<std::u16string>& Content() const { return text_; }

 private:
  std::optional<std::u16string> text_;
  std::optional<std::string> html_;
  std::vector<std::u16string> files_;
  bool held_ = false;
};

class MemoryProcessStarter : public ProcessStarter {
 public:
  struct Started {
    std::u16string command_line;
    int show_style;
  };

  bool Start(const std::u16string& command_line, int show_style) override;
  bool OpenWithDefaultBrowser(const std::u16string& url) override;

  void SetBrowserMissing(bool missing) { browser_missing_ = missing; }
  const std::vector<Started>& started() const { return started_; }
  const std::vector<std::u16string>& opened() const { return opened_; }

 private:
  bool browser_missing_ = false;
  std::vector<Started> started_;
  std::vector<std::u16string> opened_;
};

// Records what the program told the user and answers its questions from a
// script; an unscripted question is cancelled.
class MemoryDialogs : public Dialogs {
 public:
  struct Shown {
    UserMessage message;
    std::vector<std::u16string> choices;  // empty for a message without choices
  };

  void Inform(const UserMessage& message) override { shown_.push_back({message, {}}); }
  int Choose(const UserMessage& message, const std::vector<std::u16string>& choices) override;
  // Takes the next scripted answer too: kYes, or anything else for no.
  bool Ask(const UserMessage& question) override;
  // Both take the next scripted file name; cancelled when none is left.
  std::optional<std::u16string> ChooseFileToSave(const FileQuestion& question) override;
  std::optional<std::u16string> ChooseFileToOpen(const FileQuestion& question) override;

  static constexpr int kYes = 0;
  static constexpr int kNo = 1;
  void AnswerNext(int choice) { answers_.push_back(choice); }
  // The next file dialog's answer: a full name, or nullopt to cancel.
  void PickFileNext(std::optional<std::u16string> path) { files_.push_back(std::move(path)); }
  // The file dialogs shown, in order.
  const std::vector<FileQuestion>& file_questions() const { return file_questions_; }
  // Runs while each question is shown, before it is answered: what the user
  // does meanwhile.
  void OnQuestion(std::function<void()> action) { on_question_ = std::move(action); }
  const std::vector<Shown>& shown() const { return shown_; }
  // The yes-or-no questions, apart from what was shown.
  const std::vector<UserMessage>& asked() const { return asked_; }
  void Forget() { shown_.clear(); }

 private:
  int NextAnswer();
  std::optional<std::u16string> NextFile(const FileQuestion& question);

  std::vector<Shown> shown_;
  std::vector<UserMessage> asked_;
  std::vector<int> answers_;
  std::vector<std::optional<std::u16string>> files_;
  std::vector<FileQuestion> file_questions_;
  std::function<void()> on_question_;
};

// Outlook items by path, as the system would read them.
class MemoryOutlookItemFiles : public OutlookItemFiles {
 public:
  std::optional<ItemStreams> Read(const std::u16string& path, std::uint32_t& error) const override {
    const auto it = items_.find(path);
    if (it != items_.end()) return it->second;
    error = 0x80030050;  // STG_E_FILEALREADYEXISTS: not a compound file
    return std::nullopt;
  }
  void Put(const std::u16string& path, ItemStreams item) { items_[path] = std::move(item); }

 private:
  std::map<std::u16string, ItemStreams> items_;
};

class MemorySystemCalls : public SystemCalls {
 public:
  struct WindowPosCall {
    std::intptr_t window, insert_after;
    int x, y, cx, cy;
    unsigned flags;
  };

  std::int32_t SetWindowPos(std::intptr_t window, std::intptr_t insert_after, int x, int y, int cx,
                            int cy, unsigned flags) override;
  std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) override;

  // The executable's path in ANSI bytes; GetModuleFileNameA fails when unset.
  void SetModulePath(std::string ansi_path) { module_path_ = std::move(ansi_path); }
  const std::vector<WindowPosCall>& window_pos_calls() const { return window_pos_calls_; }
  bool topmost() const { return topmost_; }

 private:
  std::string module_path_;
  std::vector<WindowPosCall> window_pos_calls_;
  bool topmost_ = false;
};

}  // namespace vorenta
