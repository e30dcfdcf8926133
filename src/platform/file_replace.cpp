#include "platform/file_replace.h"

namespace vorenta {

namespace {

constexpr int kNameAttempts = 8;

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::u16string Hex(std::uint32_t value) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), u"0123456789abcdef"[value % 16]);
    value /= 16;
  } while (value != 0);
  return digits;
}

bool IsHex(char16_t c) {
  const char16_t l = LowerAscii(c);
  return (l >= u'0' && l <= u'9') || (l >= u'a' && l <= u'f');
}

// At least one hex digit, no more than a 32-bit number has.
bool IsHexNumber(std::u16string_view text) {
  if (text.empty() || text.size() > 8) return false;
  for (char16_t c : text) {
    if (!IsHex(c)) return false;
  }
  return true;
}

}  // namespace

std::u16string TemporaryNameFor(const std::u16string& path, std::uint32_t process_id,
                                std::uint32_t counter) {
  return path + u"." + Hex(process_id) + u"-" + Hex(counter) + u".tmp";
}

LeftoverKind LeftoverOf(std::u16string_view name, std::u16string_view target_name) {
  constexpr size_t kSuffixLength = 4;  // ".tmp" or ".bak"
  if (name.size() < target_name.size() + 1 + 3 + kSuffixLength) return LeftoverKind::kNone;
  if (!EqualsIgnoringCase(name.substr(0, target_name.size()), target_name)) {
    return LeftoverKind::kNone;
  }
  if (name[target_name.size()] != u'.') return LeftoverKind::kNone;
  const std::u16string_view suffix = name.substr(name.size() - kSuffixLength);
  const LeftoverKind kind = EqualsIgnoringCase(suffix, u".tmp")   ? LeftoverKind::kTemporary
                            : EqualsIgnoringCase(suffix, u".bak") ? LeftoverKind::kBackup
                                                                  : LeftoverKind::kNone;
  if (kind == LeftoverKind::kNone) return kind;
  const std::u16string_view numbers =
      name.substr(target_name.size() + 1, name.size() - target_name.size() - 1 - kSuffixLength);
  const size_t dash = numbers.find(u'-');
  if (dash == std::u16string_view::npos) return LeftoverKind::kNone;
  if (!IsHexNumber(numbers.substr(0, dash)) || !IsHexNumber(numbers.substr(dash + 1))) {
    return LeftoverKind::kNone;
  }
  return kind;
}

FileResult Files::Replace(const std::u16string& path, const std::string& bytes) {
  // A folder in the file's place is never replaced.
  if (IsFolder(path)) return {kErrorIsFolder};
  static std::uint32_t counter = 0;
  std::u16string temporary;
  FileResult result{kErrorFileExists};
  // A name left over from an earlier run is passed by.
  for (int attempt = 0; attempt < kNameAttempts && result.error == kErrorFileExists; ++attempt) {
    temporary = TemporaryNameFor(path, ProcessId(), ++counter);
    result = WriteNewFile(temporary, bytes);
  }
  if (!result) return result;
  result = MoveReplacing(temporary, path);
  if (!result) Delete(temporary);
  return result;
}

}  // namespace vorenta
