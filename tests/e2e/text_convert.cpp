#include "text_convert.h"

#include <windows.h>

namespace vorenta_e2e {

std::string Utf8(const std::u16string& s) {
  if (s.empty()) return {};
  const std::wstring w = Wide(s);
  const int size = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

}  // namespace vorenta_e2e
