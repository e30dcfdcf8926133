// Stands in for Internet Explorer in the end-to-end prefix: records how it was
// started and ends at once.

#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t log_path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"VORENTA_STUB_LOG", log_path, MAX_PATH)) return 2;

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

  // UTF-16 as the command line came; the reader compares it unit by unit.
  const std::wstring record =
      std::wstring(GetCommandLineW()) + L"\nshow=" + std::to_wstring(show) + L"\n";
  // A temporary name and a rename, so that a reader never sees half a record.
  const std::wstring partial = std::wstring(log_path) + L".partial";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written,
            nullptr);
  CloseHandle(file);
  return MoveFileExW(partial.c_str(), log_path, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
