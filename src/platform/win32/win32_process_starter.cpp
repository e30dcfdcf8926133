#include "platform/win32/win32_process_starter.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"

namespace vorenta {

bool Win32ProcessStarter::Start(const std::u16string& command_line, int show_style) {
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring writable = ToWide(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_style);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  // The browser runs on its own; nothing here waits for it.
  UniqueHandle thread(process.hThread);
  UniqueHandle started(process.hProcess);
  return true;
}

bool Win32ProcessStarter::OpenWithDefaultBrowser(const std::u16string& url) {
  const std::wstring wide = ToWide(url);
  const HINSTANCE result =
      ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNOACTIVATE);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vorenta
