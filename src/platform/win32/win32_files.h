#pragma once
// Whole files on the real file system, with wide (UTF-16) names, so that a
// folder whose name the ANSI code page cannot hold works as well.

#include <cstddef>
#include <string>

#include "platform/files.h"

namespace vorenta {

class Win32Files : public Files {
 public:
  // From GetModuleFileNameW, however long; empty when it fails.
  std::u16string ExecutableFolder() const override;
  // Shares reading only: a file that another program is writing is kFailed.
  FileContent Read(const std::u16string& path) const override;
  // Reads no further than max_bytes, however long the file.
  FileContent ReadStart(const std::u16string& path, std::size_t max_bytes) const override;
  // CopyFileW, refusing an existing target.
  FileResult CopyToNew(const std::u16string& from, const std::u16string& to) override;
  // FormatMessageW in the user's language, without the trailing line break.
  std::u16string ErrorText(std::uint32_t error) const override;
  LocalTime Now() const override;
  int UtcOffsetMinutes() const override;
  FileResult WriteNewFile(const std::u16string& path, const std::string& bytes) override;
  // MoveFileExW; a rename refused because another program holds the target
  // open gives ERROR_SHARING_VIOLATION rather than "access denied".
  FileResult MoveReplacing(const std::u16string& from, const std::u16string& to) override;
  FileResult Delete(const std::u16string& path) override;
  bool IsFolder(const std::u16string& path) const override;
  std::vector<FolderEntry> FilesStartingWith(const std::u16string& folder,
                                             std::u16string_view prefix) const override;
  std::uint32_t ProcessId() const override;
};

// The folder of the running executable, asking GetModuleFileNameW with a
// buffer of initial_chars that doubles while the path does not fit; empty
// when the call fails.
std::u16string ExecutableFolderFrom(std::size_t initial_chars);

}  // namespace vorenta
