#pragma once
// Wine's DLL load order for one program, changed while an object lives.
//
// Wine takes a new process's WINEDLLOVERRIDES from its parent's Unix
// environment, never from the environment block the parent passes, so the
// per-program registry key is the way to change the order for one program.

#include <string>
#include <vector>

namespace vorenta_e2e {

class NativeFirstDlls {
 public:
  // Makes the program named program_file (e.g. L"Vorenta.exe") take each DLL
  // in dll_names (without .dll) from the first folder where it is found,
  // the program's own among them, before Wine's built-in one.
  NativeFirstDlls(std::wstring program_file, std::vector<std::wstring> dll_names);
  ~NativeFirstDlls();
  NativeFirstDlls(const NativeFirstDlls&) = delete;
  NativeFirstDlls& operator=(const NativeFirstDlls&) = delete;

 private:
  std::wstring key_;
  std::vector<std::wstring> dll_names_;
};

}  // namespace vorenta_e2e
