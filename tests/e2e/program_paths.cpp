#include "program_paths.h"

#include <windows.h>

#include <algorithm>

namespace vorenta_e2e {

ProgramPaths& Programs() {
  static ProgramPaths paths;
  return paths;
}

std::wstring WindowsPath(const std::wstring& path) {
  if (path.empty() || path.front() != L'/') return path;
  std::wstring windows = L"Z:" + path;
  std::replace(windows.begin(), windows.end(), L'/', L'\\');
  return windows;
}

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace vorenta_e2e
