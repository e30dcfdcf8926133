#pragma once
// Makes a folder of the test unwritable for the program under Wine: as root,
// `chattr +i` on the Unix folder makes Wine report access denied there (a
// read-only mode bit does not stop root).

#include <string>

namespace vorenta_e2e {

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
