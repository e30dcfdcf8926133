#include "unix_folder.h"

#include <windows.h>

#include "wait_until.h"

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

// Wine starts a Unix program given by its path on drive Z:, but its handle
// tells neither when it ends nor how: the caller looks at the effect.
void RunChattr(const char* flag, const std::string& unix_folder) {
  std::wstring command = L"Z:\\usr\\bin\\chattr ";
  command += std::wstring(flag, flag + 2) + L" \"";
  command += std::wstring(unix_folder.begin(), unix_folder.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

bool CanCreateFileIn(const std::wstring& folder) {
  const std::wstring probe = folder + L"\\write-probe.tmp";
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace

std::wstring ThroughDriveZ(const std::wstring& windows_path) {
  const std::string unix_path = UnixPathOf(windows_path);
  if (unix_path.empty()) return {};
  std::wstring path = L"Z:";
  for (const char c : unix_path) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

ImmutableFolder::ImmutableFolder(const std::wstring& windows_folder)
    : windows_folder_(windows_folder), unix_folder_(UnixPathOf(windows_folder)) {
  if (unix_folder_.empty()) return;
  RunChattr("+i", unix_folder_);
  ok_ = WaitUntil([&] { return !CanCreateFileIn(windows_folder_); }, std::chrono::seconds(5));
}

ImmutableFolder::~ImmutableFolder() {
  if (!ok_) return;
  RunChattr("-i", unix_folder_);
  WaitUntil([&] { return CanCreateFileIn(windows_folder_); }, std::chrono::seconds(5));
}

}  // namespace vorenta_e2e
