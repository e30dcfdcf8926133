#pragma once
// Whole files on the real file system, with wide (UTF-16) names, so that a
// folder whose name the ANSI code page cannot hold works as well.

#include <cstddef>
#include <string>

#include "ui/platform.h"

namespace vorenta {

class Win32Files : public Files {
 public:
  // From GetModuleFileNameW, however long; empty when it fails.
  std::u16string ExecutableFolder() const override;
  // Shares reading only: a file that another program is writing is kFailed.
  FileContent Read(const std::u16string& path) const override;
  // Reads no further than max_bytes, however long the file.
  FileContent ReadStart(const std::u16string& path, std::size_t max_bytes) const override;
  // Writes the bytes to a new file beside the old one, flushes it to disk
  // and puts it in the old file's place (ReplaceFileW, or MoveFileExW when
  // there is no old file). On any failure the old file stays as it was and
  // the new one is deleted.
  FileResult Replace(const std::u16string& path, const std::string& bytes) override;
  // CopyFileW, refusing an existing target.
  FileResult CopyToNew(const std::u16string& from, const std::u16string& to) override;
  // FormatMessageW in the user's language, without the trailing line break.
  std::u16string ErrorText(std::uint32_t error) const override;
  LocalTime Now() const override;
};

// The folder of the running executable, asking GetModuleFileNameW with a
// buffer of initial_chars that doubles while the path does not fit; empty
// when the call fails.
std::u16string ExecutableFolderFrom(std::size_t initial_chars);

}  // namespace vorenta
