#include "platform/win32/dropped_files.h"

#include "platform/win32/wide_string.h"

namespace vorenta {

std::vector<std::u16string> FileNamesOf(HDROP drop) {
  std::vector<std::u16string> names;
  if (!drop) return names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::wstring name(length + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
    names.push_back(FromWide(name));
  }
  return names;
}

UINT HtmlClipboardFormat() {
  static const UINT format = RegisterClipboardFormatW(L"HTML Format");
  return format;
}

}  // namespace vorenta
