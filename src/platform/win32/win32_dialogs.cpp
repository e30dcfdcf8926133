#include "platform/win32/win32_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

constexpr int kFirstChoiceId = 100;

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// Task dialogs come with common controls 6, which the program's manifest
// asks for; the library is already loaded, so nothing is searched for here.
TaskDialogIndirectFn TaskDialogFunction() {
  const HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  if (!comctl) return nullptr;
  return reinterpret_cast<TaskDialogIndirectFn>(
      reinterpret_cast<void*>(GetProcAddress(comctl, "TaskDialogIndirect")));
}

std::wstring Whole(const UserMessage& message) {
  return ToWide(message.heading) + L"\r\n\r\n" + ToWide(message.details);
}

// A task dialog's texts, kept alive for as long as its configuration.
struct TaskTexts {
  std::wstring title, heading, details;
};

// What every task dialog of the program shares: its owner, its texts and
// its icon; closing it with Esc or the close box cancels it.
TASKDIALOGCONFIG TaskConfig(HWND owner, const TaskTexts& texts, bool warning) {
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = texts.title.c_str();
  config.pszMainIcon = warning ? TD_WARNING_ICON : TD_INFORMATION_ICON;
  config.pszMainInstruction = texts.heading.c_str();
  config.pszContent = texts.details.c_str();
  return config;
}

TaskTexts TextsOf(const std::u16string& title, const UserMessage& message) {
  return {ToWide(title), ToWide(message.heading), ToWide(message.details)};
}

}  // namespace

void Win32Dialogs::Inform(const UserMessage& message) {
  const TaskTexts texts = TextsOf(words_.title, message);
  if (const auto task_dialog = TaskDialogFunction()) {
    TASKDIALOGCONFIG config = TaskConfig(owner_, texts, message.warning);
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    if (SUCCEEDED(task_dialog(&config, nullptr, nullptr, nullptr))) return;
  }
  MessageBoxW(owner_, Whole(message).c_str(), texts.title.c_str(),
              MB_OK | (message.warning ? MB_ICONWARNING : MB_ICONINFORMATION));
}

int Win32Dialogs::Choose(const UserMessage& message, const std::vector<std::u16string>& choices) {
  const TaskTexts texts = TextsOf(words_.title, message);
  if (const auto task_dialog = TaskDialogFunction()) {
    std::vector<std::wstring> labels;
    for (const auto& choice : choices) labels.push_back(ToWide(choice));
    std::vector<TASKDIALOG_BUTTON> buttons;
    for (size_t i = 0; i < labels.size(); ++i) {
      buttons.push_back({kFirstChoiceId + static_cast<int>(i), labels[i].c_str()});
    }
    TASKDIALOGCONFIG config = TaskConfig(owner_, texts, message.warning);
    config.dwFlags |= TDF_USE_COMMAND_LINKS;
    config.cButtons = static_cast<UINT>(buttons.size());
    config.pButtons = buttons.data();
    config.nDefaultButton = kFirstChoiceId;
    int pressed = 0;
    if (SUCCEEDED(task_dialog(&config, &pressed, nullptr, nullptr))) {
      const int index = pressed - kFirstChoiceId;
      return index >= 0 && index < static_cast<int>(choices.size()) ? index : kCancelled;
    }
  }
  // Without task dialogs each choice in turn is offered as a question.
  for (size_t i = 0; i < choices.size(); ++i) {
    std::wstring label = ToWide(choices[i]);
    label = label.substr(0, label.find(L'\n'));
    const std::wstring text = Whole(message) + L"\r\n\r\n\u2192 " + label;
    switch (
        MessageBoxW(owner_, text.c_str(), texts.title.c_str(), MB_YESNOCANCEL | MB_ICONWARNING)) {
      case IDYES:
        return static_cast<int>(i);
      case IDNO:
        continue;
      default:
        return kCancelled;
    }
  }
  return kCancelled;
}

bool Win32Dialogs::Ask(const UserMessage& question) {
  const TaskTexts texts = TextsOf(words_.title, question);
  if (const auto task_dialog = TaskDialogFunction()) {
    TASKDIALOGCONFIG config = TaskConfig(owner_, texts, question.warning);
    config.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    config.nDefaultButton = IDYES;
    int pressed = 0;
    if (SUCCEEDED(task_dialog(&config, &pressed, nullptr, nullptr))) return pressed == IDYES;
  }
  return MessageBoxW(owner_, Whole(question).c_str(), texts.title.c_str(),
                     MB_YESNO | (question.warning ? MB_ICONWARNING : MB_ICONQUESTION)) == IDYES;
}

namespace {

// Long paths are allowed for: the dialog fails rather than cut a name.
constexpr DWORD kPathBufferChars = 32768;

// "name\0patterns\0" for each type, and one more NUL to end the list.
std::wstring FilterOf(const std::vector<FileType>& types) {
  std::wstring filter;
  for (const FileType& type : types) {
    filter += ToWide(type.name);
    filter += L'\0';
    filter += ToWide(type.patterns);
    filter += L'\0';
  }
  filter += L'\0';
  return filter;
}

// The extension of the first type's first pattern ("*.txt" gives "txt"),
// added to a name typed without one.
std::wstring DefaultExtensionOf(const std::vector<FileType>& types) {
  if (types.empty()) return {};
  const std::wstring pattern = ToWide(types.front().patterns);
  const size_t dot = pattern.find(L"*.");
  if (dot != 0) return {};
  std::wstring extension = pattern.substr(2, pattern.find(L';') - 2);
  return extension.find_first_of(L"*?") == std::wstring::npos ? extension : std::wstring();
}

std::optional<std::u16string> AskForFile(HWND owner, const FileQuestion& question, bool save) {
  std::wstring path = ToWide(question.file_name);
  if (path.size() >= kPathBufferChars) path.clear();
  path.resize(kPathBufferChars, L'\0');
  const std::wstring title = ToWide(question.title);
  const std::wstring filter = FilterOf(question.types);
  const std::wstring extension = DefaultExtensionOf(question.types);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = question.types.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathBufferChars;
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // Else the chosen folder becomes the current one, and stays in use: it
  // could not be renamed or removed while the program runs.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return FromWide(path.c_str(), wcsnlen(path.c_str(), path.size()));
}

}  // namespace

std::optional<std::u16string> Win32Dialogs::ChooseFileToSave(const FileQuestion& question) {
  return AskForFile(owner_, question, /*save=*/true);
}

std::optional<std::u16string> Win32Dialogs::ChooseFileToOpen(const FileQuestion& question) {
  return AskForFile(owner_, question, /*save=*/false);
}

}  // namespace vorenta
