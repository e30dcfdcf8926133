#pragma once
// Whole files on the file system the program runs on: Win32Files on
// Windows, MemoryFiles in memory for tests.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

enum class ReadStatus { kOk, kMissing, kFailed };

struct FileContent {
  ReadStatus status = ReadStatus::kMissing;
  std::string bytes;
  // Why a kFailed file could not be read: the system's error code, or 0.
  std::uint32_t error = 0;
};

// The outcome of a write: 0, or the system's error code.
struct FileResult {
  std::uint32_t error = 0;
  explicit operator bool() const { return error == 0; }
};

// Error codes the logic tells apart (the system's values).
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorSharingViolation = 32;
inline constexpr std::uint32_t kErrorLockViolation = 33;
inline constexpr std::uint32_t kErrorHandleDiskFull = 39;
inline constexpr std::uint32_t kErrorFileExists = 80;
inline constexpr std::uint32_t kErrorDiskFull = 112;
inline constexpr std::uint32_t kErrorIsFolder = 336;  // ERROR_DIRECTORY_NOT_SUPPORTED

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// A file found in a folder.
struct FolderEntry {
  std::u16string name;         // without the folder
  std::uint64_t modified = 0;  // last written, in 100-nanosecond ticks
};

// Whole files, read and written at once. Paths are full paths.
class Files {
 public:
  virtual ~Files() = default;
  // The running executable's folder, without a trailing backslash.
  virtual std::u16string ExecutableFolder() const = 0;
  virtual FileContent Read(const std::u16string& path) const = 0;
  // The file's first max_bytes at most: a longer file is read only that far.
  virtual FileContent ReadStart(const std::u16string& path, std::size_t max_bytes) const {
    FileContent content = Read(path);
    if (content.bytes.size() > max_bytes) content.bytes.resize(max_bytes);
    return content;
  }
  // Replaces the file with the bytes, or leaves the old file as it was and
  // returns the error. At every instant a complete file, the old or the
  // new, carries the name (see file_replace.h). A folder in the file's place
  // gives kErrorIsFolder.
  FileResult Replace(const std::u16string& path, const std::string& bytes);
  // Copies a file to a name that no file has yet; kErrorFileExists when the
  // name is taken.
  virtual FileResult CopyToNew(const std::u16string& from, const std::u16string& to) = 0;
  // The system's description of an error code, in the user's language.
  virtual std::u16string ErrorText(std::uint32_t error) const = 0;
  virtual LocalTime Now() const = 0;
  // The user's time zone now: minutes east of UTC.
  virtual int UtcOffsetMinutes() const = 0;

  // The steps Replace is made of.
  //
  // Creates a file under a name no file has yet (kErrorFileExists when it is
  // taken), writes the bytes and flushes them to the disk; a file it made
  // and could not complete is deleted again.
  virtual FileResult WriteNewFile(const std::u16string& path, const std::string& bytes) = 0;
  // Gives `from` the name `to` in one step, replacing a file of that name,
  // through to the disk. A failure leaves both as they were.
  virtual FileResult MoveReplacing(const std::u16string& from, const std::u16string& to) = 0;
  virtual FileResult Delete(const std::u16string& path) = 0;
  virtual bool IsFolder(const std::u16string& path) const = 0;
  // The files (not folders) in the folder whose names begin with the prefix,
  // compared without case as the file system does.
  virtual std::vector<FolderEntry> FilesStartingWith(const std::u16string& folder,
                                                     std::u16string_view prefix) const = 0;
  // Makes this process's temporary names differ from another's.
  virtual std::uint32_t ProcessId() const = 0;
};

}  // namespace vorenta
