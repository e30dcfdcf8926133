#include "platform/win32/win32_dialogs.h"

#include <commctrl.h>

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

}  // namespace

void Win32Dialogs::Inform(const UserMessage& message) {
  const std::wstring title = ToWide(words_.title);
  const std::wstring heading = ToWide(message.heading);
  const std::wstring details = ToWide(message.details);
  if (const auto task_dialog = TaskDialogFunction()) {
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner_;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = message.warning ? TD_WARNING_ICON : TD_INFORMATION_ICON;
    config.pszMainInstruction = heading.c_str();
    config.pszContent = details.c_str();
    if (SUCCEEDED(task_dialog(&config, nullptr, nullptr, nullptr))) return;
  }
  MessageBoxW(owner_, Whole(message).c_str(), title.c_str(),
              MB_OK | (message.warning ? MB_ICONWARNING : MB_ICONINFORMATION));
}

int Win32Dialogs::Choose(const UserMessage& message, const std::vector<std::u16string>& choices) {
  const std::wstring title = ToWide(words_.title);
  const std::wstring heading = ToWide(message.heading);
  const std::wstring details = ToWide(message.details);
  if (const auto task_dialog = TaskDialogFunction()) {
    std::vector<std::wstring> labels;
    for (const auto& choice : choices) labels.push_back(ToWide(choice));
    std::vector<TASKDIALOG_BUTTON> buttons;
    for (size_t i = 0; i < labels.size(); ++i) {
      buttons.push_back({kFirstChoiceId + static_cast<int>(i), labels[i].c_str()});
    }
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner_;
    config.dwFlags =
        TDF_ALLOW_DIALOG_CANCELLATION | TDF_USE_COMMAND_LINKS | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = message.warning ? TD_WARNING_ICON : TD_INFORMATION_ICON;
    config.pszMainInstruction = heading.c_str();
    config.pszContent = details.c_str();
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
    switch (MessageBoxW(owner_, text.c_str(), title.c_str(), MB_YESNOCANCEL | MB_ICONWARNING)) {
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
  const std::wstring title = ToWide(words_.title);
  const std::wstring heading = ToWide(question.heading);
  const std::wstring details = ToWide(question.details);
  if (const auto task_dialog = TaskDialogFunction()) {
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner_;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    config.nDefaultButton = IDYES;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = question.warning ? TD_WARNING_ICON : TD_INFORMATION_ICON;
    config.pszMainInstruction = heading.c_str();
    config.pszContent = details.c_str();
    int pressed = 0;
    if (SUCCEEDED(task_dialog(&config, &pressed, nullptr, nullptr))) return pressed == IDYES;
  }
  return MessageBoxW(owner_, Whole(question).c_str(), title.c_str(),
                     MB_YESNO | (question.warning ? MB_ICONWARNING : MB_ICONQUESTION)) == IDYES;
}

}  // namespace vorenta
