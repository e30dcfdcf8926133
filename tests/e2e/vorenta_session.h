#pragma once
// One run of the real Vorenta.exe, copied into a fresh folder of its own so
// that the SMdata files of one test never meet another's.

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gestures.h"
#include "wait_until.h"
#include "wine_dll_overrides.h"

namespace vorenta_e2e {

inline constexpr wchar_t kKeywordFile[] = L"SMdata1.dat";
inline constexpr wchar_t kGeometryFile[] = L"SMdata2.dat";
// The browser stub writes its command line here (told through the environment).
inline constexpr wchar_t kBrowserLogFile[] = L"browser-command.txt";

struct SessionOptions {
  // Written as SMdata1.dat beside the copy before it starts.
  std::optional<std::string> keyword_file_bytes;
  // Further files written beside the copy before it starts: name, bytes.
  std::vector<std::pair<std::wstring, std::string>> files = {};
  // Copied beside the program, under their own names, before it starts.
  std::vector<std::wstring> files_beside = {};
  // DLLs (names without .dll) that Wine loads from the first folder it finds
  // them in, the program's own included, rather than its built-in ones: what
  // Windows does for every DLL but its known ones. For every Vorenta.exe
  // started while the session lasts; nothing changes outside Wine.
  std::vector<std::wstring> native_first_dlls = {};
  // Runs with the folder ready, just before the program starts.
  std::function<void(const std::wstring& folder)> before_start = {};
  // False: the constructor returns once the program started, and the test
  // answers what it asks at start before calling WaitForWindow.
  bool wait_for_window = true;
};

class VorentaSession {
 public:
  // Throws std::runtime_error when the program cannot be copied or started or
  // shows no window in time.
  explicit VorentaSession(const SessionOptions& options = {});
  ~VorentaSession();
  VorentaSession(const VorentaSession&) = delete;
  VorentaSession& operator=(const VorentaSession&) = delete;

  HWND window() const { return window_; }
  HWND control(int id) const { return GetDlgItem(window_, id); }
  DWORD process_id() const { return process_.dwProcessId; }
  const std::wstring& folder() const { return folder_; }
  std::wstring PathOf(const wchar_t* file_name) const { return folder_ + L"\\" + file_name; }

  // Activates the window so that keystrokes reach it.
  bool BringToFront();
  // Ends the program at once, as Task Manager's End task does.
  void Kill();
  // Starts the program again in the same folder, after it has ended.
  void Restart();
  // Starts another copy of the program from the same folder, by its path
  // or by another spelling of it; the caller closes the handles.
  PROCESS_INFORMATION StartAnotherCopy() const;
  PROCESS_INFORMATION StartAnotherCopy(const std::wstring& program_path) const;
  // Waits for the main window, when the session was made without waiting.
  void WaitForWindow() { FindWindowOfProcess(); }
  bool WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout);
  bool IsRunning() const;

 private:
  void CreateFolder();
  void PlaceFilesBeside(const std::vector<std::wstring>& paths);
  void Start();
  void Launch(PROCESS_INFORMATION& process) const;
  void Launch(PROCESS_INFORMATION& process, const std::wstring& program_path) const;
  void FindWindowOfProcess();
  void Stop();
  void RemoveFolder();

  std::wstring folder_;
  std::optional<NativeFirstDlls> native_first_dlls_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace vorenta_e2e
