// Stands in for a system DLL planted beside a program (built as version.dll,
// uxtheme.dll, ...): once loaded, it leaves "<name>.loaded" beside itself.
// It exports nothing; a process that loads it may fail on a missing import,
// but the mark is made first.

#include <windows.h>

#include <cwchar>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 8] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  wchar_t* extension = std::wcsrchr(path, L'.');
  if (length == 0 || length >= MAX_PATH || extension == nullptr) return TRUE;
  std::wcscpy(extension, L".loaded");
  HANDLE mark =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  return TRUE;
}
