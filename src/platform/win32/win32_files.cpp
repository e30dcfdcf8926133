#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

// The longest path the system takes, in characters.
constexpr DWORD kMaxPathChars = 32768;
// Files beyond this are refused rather than read into memory.
constexpr LONGLONG kMaxReadBytes = 1LL << 30;
constexpr DWORD kMaxChunk = 1u << 24;

// The form of a full path that the file functions take at any length: with
// the \\?\ prefix once the path, or a name made beside it, may pass MAX_PATH
// (a program deep in folders still saves its files).
std::wstring LongPath(const std::wstring& path) {
  constexpr size_t kRoomForSiblingNames = 32;
  if (path.size() + kRoomForSiblingNames < MAX_PATH) return path;
  // Already in that form, a device path, or one that only the ordinary form
  // normalises (forward slashes): left as it is.
  if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
  if (path.find(L'/') != std::wstring::npos) return path;
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

// Creates a new file (never an existing one) and writes the bytes to disk. A
// file it created and could not complete is deleted again. The error, or 0.
DWORD WriteWholeNewFile(const std::wstring& path, const std::string& bytes) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) {
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
  }
  DWORD error = 0;
  size_t done = 0;
  while (error == 0 && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kMaxChunk));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) {
      error = GetLastError();
    } else if (written == 0) {
      error = ERROR_WRITE_FAULT;
    }
    done += written;
  }
  if (error == 0 && !FlushFileBuffers(file.get())) error = GetLastError();
  if (!file.Close() && error == 0) error = GetLastError();
  if (error != 0) DeleteFileW(path.c_str());
  return error;
}

// Never 0 for a failure, whatever the call left behind.
DWORD FailureCode() {
  const DWORD error = GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}

}  // namespace

std::u16string ExecutableFolderFrom(std::size_t initial_chars) {
  std::wstring buffer(std::max<std::size_t>(initial_chars, 1), L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      break;
    }
    // The path was cut to the buffer's size.
    if (size >= kMaxPathChars) return {};
    buffer.resize(std::min<std::size_t>(size * 2, kMaxPathChars));
  }
  const size_t slash = buffer.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  return FromWide(buffer.substr(0, slash));
}

std::u16string Win32Files::ExecutableFolder() const { return ExecutableFolderFrom(MAX_PATH); }

namespace {

HANDLE OpenForReading(const std::u16string& path) {
  const std::wstring wide = LongPath(ToWide(path));
  return CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// Why a file could not be opened, right after the failed open.
FileContent OpenFailure() {
  const DWORD error = GetLastError();
  const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  return {missing ? ReadStatus::kMissing : ReadStatus::kFailed, {}, missing ? 0 : error};
}

FileContent ReadFailure() { return {ReadStatus::kFailed, {}, FailureCode()}; }

// Reads into `bytes` from `done` on, until the buffer is full or the file
// ends (then `done` stays below its size). False on a read error.
bool ReadUntilFullOrEnd(HANDLE file, std::string& bytes, size_t& done) {
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kMaxChunk));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr)) return false;
    if (read == 0) break;
    done += read;
  }
  return true;
}

}  // namespace

FileContent Win32Files::Read(const std::u16string& path) const {
  UniqueHandle file(OpenForReading(path));
  if (!file.ok()) return OpenFailure();
  // The size is only a hint: the file is read to its end, however long it
  // has become meanwhile (or whatever a special file claims).
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return ReadFailure();
  if (size.QuadPart > kMaxReadBytes) return {ReadStatus::kFailed, {}, ERROR_FILE_TOO_LARGE};
  FileContent content{ReadStatus::kOk, {}};
  size_t done = 0;
  try {
    content.bytes.resize(static_cast<size_t>(size.QuadPart) + 1);
    for (;;) {
      if (!ReadUntilFullOrEnd(file.get(), content.bytes, done)) return ReadFailure();
      if (done < content.bytes.size()) break;
      if (done > static_cast<size_t>(kMaxReadBytes)) {
        return {ReadStatus::kFailed, {}, ERROR_FILE_TOO_LARGE};
      }
      content.bytes.resize(done * 2);
    }
  } catch (...) {
    return {ReadStatus::kFailed, {}, ERROR_OUTOFMEMORY};
  }
  content.bytes.resize(done);
  return content;
}

FileContent Win32Files::ReadStart(const std::u16string& path, std::size_t max_bytes) const {
  UniqueHandle file(OpenForReading(path));
  if (!file.ok()) return OpenFailure();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return ReadFailure();
  FileContent content{ReadStatus::kOk, {}};
  try {
    const auto wanted = std::min<ULONGLONG>(
        {max_bytes, static_cast<ULONGLONG>(size.QuadPart), static_cast<ULONGLONG>(kMaxReadBytes)});
    content.bytes.resize(static_cast<size_t>(wanted));
  } catch (...) {
    return {ReadStatus::kFailed, {}, ERROR_OUTOFMEMORY};
  }
  size_t done = 0;
  if (!ReadUntilFullOrEnd(file.get(), content.bytes, done)) return ReadFailure();
  content.bytes.resize(done);
  return content;
}

FileResult Win32Files::WriteNewFile(const std::u16string& path, const std::string& bytes) {
  return {WriteWholeNewFile(LongPath(ToWide(path)), bytes)};
}

namespace {

// A rename over a file that another program holds open fails with "access
// denied", as does one the user may not make: only an open for deletion,
// which every open handle must share, tells the two apart.
DWORD CauseOfDeniedRename(const std::wstring& target) {
  const UniqueHandle probe(CreateFileW(target.c_str(), DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (probe.ok()) return ERROR_ACCESS_DENIED;
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? error
                                                                           : ERROR_ACCESS_DENIED;
}

}  // namespace

FileResult Win32Files::MoveReplacing(const std::u16string& from, const std::u16string& to) {
  const std::wstring source = LongPath(ToWide(from));
  const std::wstring target = LongPath(ToWide(to));
  // Windows refuses to rename over a read-only file, Wine does not: a file
  // someone made read-only stays as it is on both.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return {ERROR_ACCESS_DENIED};
  }
  // One rename, atomic on NTFS and under Wine (rename(2)); written through
  // so that the new name is on the disk when the call returns.
  if (MoveFileExW(source.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  const DWORD error = FailureCode();
  return {error == ERROR_ACCESS_DENIED ? CauseOfDeniedRename(target) : error};
}

FileResult Win32Files::Delete(const std::u16string& path) {
  if (DeleteFileW(LongPath(ToWide(path)).c_str())) return {};
  return {FailureCode()};
}

bool Win32Files::IsFolder(const std::u16string& path) const {
  const DWORD attributes = GetFileAttributesW(LongPath(ToWide(path)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<FolderEntry> Win32Files::FilesStartingWith(const std::u16string& folder,
                                                       std::u16string_view prefix) const {
  std::vector<FolderEntry> found;
  // Wildcards in the prefix would widen the search.
  if (prefix.find_first_of(u"*?") != std::u16string_view::npos) return found;
  const std::wstring pattern = LongPath(ToWide(folder + u"\\" + std::u16string(prefix) + u"*"));
  WIN32_FIND_DATAW data{};
  const FindHandle search(
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
  if (!search.ok()) return found;
  const std::wstring wide_prefix = ToWide(std::u16string(prefix));
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    // The pattern's rules are looser than a prefix: "a.*" finds "a" too.
    const int length = static_cast<int>(wcslen(data.cFileName));
    if (length < static_cast<int>(wide_prefix.size()) ||
        CompareStringOrdinal(data.cFileName, static_cast<int>(wide_prefix.size()),
                             wide_prefix.c_str(), static_cast<int>(wide_prefix.size()),
                             TRUE) != CSTR_EQUAL) {
      continue;
    }
    const std::uint64_t modified =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime;
    found.push_back({FromWide(data.cFileName, wcslen(data.cFileName)), modified});
  } while (FindNextFileW(search.get(), &data));
  return found;
}

std::uint32_t Win32Files::ProcessId() const { return GetCurrentProcessId(); }

FileResult Win32Files::CopyToNew(const std::u16string& from, const std::u16string& to) {
  const std::wstring source = LongPath(ToWide(from));
  const std::wstring target = LongPath(ToWide(to));
  if (CopyFileW(source.c_str(), target.c_str(), /*bFailIfExists=*/TRUE)) return {};
  const DWORD error = FailureCode();
  return {error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error};
}

std::u16string Win32Files::ErrorText(std::uint32_t error) const {
  LocalMemory<wchar_t> buffer;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(buffer.out()), 0, nullptr);
  std::wstring text(buffer.get() ? buffer.get() : L"", length);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  return FromWide(text);
}

int Win32Files::UtcOffsetMinutes() const {
  TIME_ZONE_INFORMATION zone{};
  const DWORD kind = GetTimeZoneInformation(&zone);
  LONG bias = zone.Bias;
  if (kind == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
  if (kind == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
  return kind == TIME_ZONE_ID_INVALID ? 0 : -static_cast<int>(bias);
}

LocalTime Win32Files::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace vorenta
