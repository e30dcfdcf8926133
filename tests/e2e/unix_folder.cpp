#include "unix_folder.h"

#include <windows.h>

namespace vorenta_e2e {

namespace {

// Wine's own export: the Unix name of a Windows path.
std::string UnixPathOf(const std::wstring& windows_path) {
  using Fn = char*(CDECL*)(const wchar_t*);
  const auto to_unix = reinterpret_cast<Fn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!to_unix) return {};
  char* unix_path = to_unix(windows_path.c_str());
  if (!unix_path) return {};
  std::string path(unix_path);
  HeapFree(GetProcessHeap(), 0, unix_path);
  return path;
}

// Wine starts a Unix program given by its path on drive Z:.
bool RunChattr(const char* flag, const std::string& unix_folder) {
  std::wstring command = L"Z:\\usr\\bin\\chattr ";
  command += std::wstring(flag, flag + 2) + L" \"";
  command += std::wstring(unix_folder.begin(), unix_folder.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, 10000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code == 0;
}

}  // namespace

ImmutableFolder::ImmutableFolder(const std::wstring& windows_folder)
    : unix_folder_(UnixPathOf(windows_folder)) {
  ok_ = !unix_folder_.empty() && RunChattr("+i", unix_folder_);
}

ImmutableFolder::~ImmutableFolder() {
  if (ok_) RunChattr("-i", unix_folder_);
}

}  // namespace vorenta_e2e
