// Vorenta.exe's entry point: DLLs come from the system folder only, never
// from the program's folder (a Downloads folder may hold a planted
// version.dll) or the current one.
//
// The entry point runs before the C runtime starts, so before any static
// constructor could call into a delay-loaded DLL. By then the loader has
// resolved only the direct imports, KERNEL32 and msvcrt (see
// cmake/DelayLoad.cmake). Only KERNEL32 may be called here: the C runtime is
// not set up yet.

#include <windows.h>

#include <delayimp.h>

namespace {

void RestrictDllSearchToSystemFolder() {
  // For every LoadLibrary without search flags, here and in system DLLs, and
  // for the dependencies of what they load.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Loads that ask for the standard order (LOAD_WITH_ALTERED_SEARCH_PATH)
  // lose the current folder; so do the processes the program starts.
  SetDllDirectoryW(L"");
  // SearchPathW: the current folder after the system's, not before.
  SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
}

// System DLLs that other system DLLs load by name along the search path the
// process started with, the program's folder first, whatever was set above:
// measured under Wine, where uxtheme's delay-load of msimg32 does so. A DLL
// already loaded is found by name before any search, so each is loaded here
// from the system folder first.
constexpr const wchar_t* kDllsLoadedBehindOurBack[] = {L"msimg32.dll"};

void PinDllsLoadedBehindOurBack() {
  for (const wchar_t* name : kDllsLoadedBehindOurBack) {
    LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
}

// The delay-load helper would call LoadLibraryA with the bare name; each
// delay-loaded DLL comes from the system folder whatever the process-wide
// search path has become meanwhile.
FARPROC WINAPI LoadDelayedDllFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
  if (notification != dliNotePreLoadLibrary) return nullptr;
  return reinterpret_cast<FARPROC>(
      LoadLibraryExA(info->szDll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

}  // namespace

extern "C" {

// Read by mingw-w64's __delayLoadHelper2.
PfnDliHook __pfnDliNotifyHook2 = LoadDelayedDllFromSystemFolder;

// The C runtime's own entry point for a GUI program; it ends in wWinMain.
int WinMainCRTStartup();

// Named as the entry point in src/app/CMakeLists.txt.
int VorentaEntry() {
  RestrictDllSearchToSystemFolder();
  PinDllsLoadedBehindOurBack();
  return WinMainCRTStartup();
}

}  // extern "C"
