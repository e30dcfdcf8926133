#include "platform/win32/global_text.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/scoped_win32.h"
#include "platform/win32/wide_string.h"

namespace vorenta {

namespace {

HGLOBAL CopyToGlobal(const void* bytes, SIZE_T size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  {
    const LockedGlobal target(memory);
    if (target.data()) {
      std::memcpy(target.data(), bytes, size);
      return memory;
    }
  }
  GlobalFree(memory);
  return nullptr;
}

}  // namespace

std::u16string ReadWideText(HGLOBAL memory) {
  LockedGlobal block(memory);
  if (!block.data()) return {};
  const auto* begin = static_cast<const wchar_t*>(block.data());
  const auto* end = begin + block.size() / sizeof(wchar_t);
  return FromWide(begin, static_cast<std::size_t>(std::find(begin, end, L'\0') - begin));
}

void UseWideText(HGLOBAL memory, const std::function<void(std::u16string_view)>& use) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  LockedGlobal block(memory);
  if (!block.data()) {
    use({});
    return;
  }
  const auto* begin = static_cast<const char16_t*>(block.data());
  const auto* end = begin + block.size() / sizeof(char16_t);
  use(std::u16string_view(begin, static_cast<std::size_t>(std::find(begin, end, u'\0') - begin)));
}

std::u16string ReadAnsiText(HGLOBAL memory) {
  LockedGlobal block(memory);
  if (!block.data()) return {};
  const auto* begin = static_cast<const char*>(block.data());
  const auto* end = begin + block.size();
  return AnsiToWide(begin, static_cast<int>(std::find(begin, end, '\0') - begin));
}

HGLOBAL MakeWideText(const std::u16string& text) {
  return CopyToGlobal(text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

HGLOBAL MakeAnsiText(const std::u16string& text) {
  const std::string bytes = WideToAnsi(text);
  return CopyToGlobal(bytes.c_str(), bytes.size() + 1);
}

std::u16string AnsiToWide(const char* bytes, int length) {
  if (length <= 0) return {};
  const int count = MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0);
  if (count <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes, length, wide.data(), count);
  return FromWide(wide);
}

std::string WideToAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  const std::wstring wide = ToWide(text);
  const int length = static_cast<int>(wide.size());
  const int count =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (count <= 0) return {};
  std::string bytes(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, bytes.data(), count, nullptr, nullptr);
  return bytes;
}

}  // namespace vorenta
