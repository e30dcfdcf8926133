#include "wine_dll_overrides.h"

#include <windows.h>

#include <stdexcept>

namespace vorenta_e2e {

NativeFirstDlls::NativeFirstDlls(std::wstring program_file, std::vector<std::wstring> dll_names)
    : key_(L"Software\\Wine\\AppDefaults\\" + program_file + L"\\DllOverrides"),
      dll_names_(std::move(dll_names)) {
  static constexpr wchar_t kOrder[] = L"native,builtin";
  for (const std::wstring& name : dll_names_) {
    if (RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name.c_str(), REG_SZ, kOrder,
                        sizeof kOrder) != ERROR_SUCCESS) {
      throw std::runtime_error("cannot set Wine's DLL load order");
    }
  }
}

NativeFirstDlls::~NativeFirstDlls() {
  for (const std::wstring& name : dll_names_) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name.c_str());
  }
}

}  // namespace vorenta_e2e
