#include "app/single_instance.h"

#include "app/logic/instance_key.h"
#include "ui/win32/wide_string.h"
#include "ui/win32/win32_files.h"

namespace vorenta {

namespace {

constexpr DWORD kMaxPathChars = 32768;
constexpr int kWaitSteps = 50;
constexpr DWORD kWaitStepMs = 100;

std::wstring Upper(const std::wstring& text) {
  if (text.empty()) return text;
  std::wstring upper(text.size(), L'\0');
  const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(),
                                   static_cast<int>(text.size()), upper.data(),
                                   static_cast<int>(upper.size()), nullptr, nullptr, 0);
  if (length <= 0) return text;
  upper.resize(static_cast<size_t>(length));
  return upper;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// The upper-cased folder of the program that owns the window.
std::wstring ProcessFolderOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process) return {};
  std::wstring path(kMaxPathChars, L'\0');
  DWORD size = kMaxPathChars;
  const bool ok = QueryFullProcessImageNameW(process, 0, path.data(), &size) != FALSE;
  CloseHandle(process);
  if (!ok) return {};
  path.resize(size);
  return Upper(FolderOf(path));
}

struct WindowSearch {
  const wchar_t* window_class;
  const std::wstring* upper_folder;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  if (lstrcmpW(class_name, search->window_class) != 0) return TRUE;
  if (window == nullptr || ProcessFolderOf(window) != *search->upper_folder) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

SingleInstance::SingleInstance() {
  const std::u16string folder = ExecutableFolderFrom(MAX_PATH);
  // Without a folder there is nothing to share: the copy runs on its own.
  if (folder.empty()) return;
  upper_folder_ = Upper(ToWide(folder));
  const std::wstring name = ToWide(InstanceMutexName(FromWide(upper_folder_)));
  mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
  another_running_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

void SingleInstance::ActivateTheOther(const wchar_t* window_class) const {
  WindowSearch search{window_class, &upper_folder_, nullptr};
  for (int step = 0; step < kWaitSteps && !search.found; ++step) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(kWaitStepMs);
  }
  if (!search.found) return;
  // Asynchronous: a copy that is busy must not hold this one up.
  if (IsIconic(search.found)) ShowWindowAsync(search.found, SW_RESTORE);
  SetForegroundWindow(search.found);
}

}  // namespace vorenta
