#include "app/single_instance.h"

#include "app/logic/instance_key.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_files.h"

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

std::wstring Hex(const void* bytes, size_t size) {
  std::wstring digits;
  const auto* p = static_cast<const unsigned char*>(bytes);
  for (size_t i = size; i-- > 0;) {
    digits += L"0123456789abcdef"[p[i] >> 4];
    digits += L"0123456789abcdef"[p[i] & 0xF];
  }
  return digits;
}

bool AllZero(const void* bytes, size_t size) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  for (size_t i = 0; i < size; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

// The folder as the volume knows it, the same for every spelling of it: a
// subst or mapped drive, a UNC path, a junction or symbolic link, an 8.3
// name. Its file ID, else the final path, else the text upper-cased.
std::wstring FolderKey(const std::wstring& folder) {
  const UniqueHandle handle(CreateFileW(
      folder.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (handle.ok()) {
    FILE_ID_INFO id{};
    if (GetFileInformationByHandleEx(handle.get(), FileIdInfo, &id, sizeof id) &&
        !AllZero(&id.FileId, sizeof id.FileId)) {
      return L"ID-" + Hex(&id.VolumeSerialNumber, sizeof id.VolumeSerialNumber) + L"-" +
             Hex(&id.FileId, sizeof id.FileId);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(handle.get(), &info) &&
        (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0)) {
      const ULONGLONG index =
          (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
      return L"ID-" + Hex(&info.dwVolumeSerialNumber, sizeof info.dwVolumeSerialNumber) + L"-" +
             Hex(&index, sizeof index);
    }
    std::wstring final_path(kMaxPathChars, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(handle.get(), final_path.data(), kMaxPathChars,
                                                   FILE_NAME_NORMALIZED);
    if (length > 0 && length < kMaxPathChars) {
      final_path.resize(length);
      return L"PATH-" + Upper(final_path);
    }
  }
  return L"PATH-" + Upper(folder);
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// The folder key of the program that owns the window.
std::wstring ProcessFolderKeyOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  if (!process.ok()) return {};
  std::wstring path(kMaxPathChars, L'\0');
  DWORD size = kMaxPathChars;
  if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &size)) return {};
  path.resize(size);
  return FolderKey(FolderOf(path));
}

struct WindowSearch {
  const wchar_t* window_class;
  const std::wstring* folder_key;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  if (lstrcmpW(class_name, search->window_class) != 0) return TRUE;
  if (window == nullptr || ProcessFolderKeyOf(window) != *search->folder_key) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

SingleInstance::SingleInstance() {
  const std::u16string folder = ExecutableFolderFrom(MAX_PATH);
  // Without a folder there is nothing to share: the copy runs on its own.
  if (folder.empty()) return;
  folder_key_ = FolderKey(ToWide(folder));
  const std::wstring name = ToWide(InstanceMutexName(FromWide(folder_key_)));
  mutex_.Reset(CreateMutexW(nullptr, FALSE, name.c_str()));
  another_running_ = mutex_.ok() && GetLastError() == ERROR_ALREADY_EXISTS;
}

void SingleInstance::ActivateTheOther(const wchar_t* window_class) const {
  WindowSearch search{window_class, &folder_key_, nullptr};
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
