// Driver of the end-to-end tests: prepares the throw-away Wine prefix, then
// runs the tests against the Vorenta.exe named on the command line.
//
//   vorenta_e2e_tests --vorenta=PATH --stub-browser=PATH --planted-dlls=FOLDER [gtest flags]

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "program_paths.h"
#include "text_convert.h"

namespace {

using vorenta_e2e::Programs;
using vorenta_e2e::WindowsPath;

bool TakeArgument(const std::wstring& argument, const std::wstring& name, std::wstring& value) {
  const std::wstring prefix = L"--" + name + L"=";
  if (argument.rfind(prefix, 0) != 0) return false;
  value = WindowsPath(argument.substr(prefix.size()));
  return true;
}

// The browser the program starts is replaced by the stub, in this prefix only.
bool InstallBrowserStub() {
  const wchar_t folder[] = L"C:\\Program Files\\Internet Explorer";
  CreateDirectoryW(folder, nullptr);
  const std::wstring target = std::wstring(folder) + L"\\iexplore.exe";
  return CopyFileW(Programs().stub_browser_exe.c_str(), target.c_str(), FALSE) != FALSE;
}

// Xvfb has no window manager: Wine must draw the frame (caption, close box,
// sizing border) itself for those to be clickable.
void LetWineDrawFrames() {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Vorenta.exe\\X11 Driver",
                  L"Decorated", REG_SZ, L"N", 2 * sizeof(wchar_t));
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  int wide_count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &wide_count);
  for (int i = 1; i < wide_count; ++i) {
    if (!TakeArgument(wide[i], L"vorenta", Programs().vorenta_exe) &&
        !TakeArgument(wide[i], L"stub-browser", Programs().stub_browser_exe)) {
      TakeArgument(wide[i], L"planted-dlls", Programs().planted_dll_folder);
    }
  }
  LocalFree(wide);
  if (Programs().vorenta_exe.empty()) {
    std::fprintf(stderr,
                 "usage: vorenta_e2e_tests --vorenta=PATH --stub-browser=PATH "
                 "--planted-dlls=FOLDER\n");
    return 2;
  }
  if (vorenta_e2e::RunningUnderWine()) {
    LetWineDrawFrames();
    if (!Programs().stub_browser_exe.empty() && !InstallBrowserStub()) {
      std::fprintf(stderr, "cannot install the browser stub\n");
      return 2;
    }
  }
  return RUN_ALL_TESTS();
}
