#pragma once
// The Unix side of the test's folders under Wine: another spelling of a
// folder, and a folder made unwritable for the program (as root, `chattr +i`
// on the Unix folder makes Wine report access denied there; a read-only mode
// bit does not stop root).

#include <string>

namespace vorenta_e2e {

// The same file or folder spelt through Wine's drive Z:, which maps the Unix
// root (Z:\root\.wine\drive_c\x for C:\x); empty outside Wine.
std::wstring ThroughDriveZ(const std::wstring& windows_path);

class ImmutableFolder {
 public:
  explicit ImmutableFolder(const std::wstring& windows_folder);
  ~ImmutableFolder();
  ImmutableFolder(const ImmutableFolder&) = delete;
  ImmutableFolder& operator=(const ImmutableFolder&) = delete;

  // False when the attribute could not be set (not root, another file system).
  bool ok() const { return ok_; }

 private:
  std::wstring windows_folder_;
  std::string unix_folder_;
  bool ok_ = false;
};

}  // namespace vorenta_e2e
