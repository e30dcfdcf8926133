#pragma once
// Where the programs under test are; set once from the command line.

#include <string>

namespace vorenta_e2e {

struct ProgramPaths {
  std::wstring vorenta_exe;
  std::wstring stub_browser_exe;
  // Holds stand-ins for system DLLs, to be planted beside the program.
  std::wstring planted_dll_folder;
};

ProgramPaths& Programs();

// CMake hands over Unix paths; under Wine drive Z: is the Unix root.
std::wstring WindowsPath(const std::wstring& path);

// True when running under Wine, where the driver may rearrange the throw-away
// prefix (browser stub, window decorations).
bool RunningUnderWine();

}  // namespace vorenta_e2e
