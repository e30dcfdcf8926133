#pragma once
// Whole-file reads and writes for the SMdata files and the browser stub's log.

#include <optional>
#include <string>

namespace vorenta_e2e {

// Empty when the file does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

}  // namespace vorenta_e2e
