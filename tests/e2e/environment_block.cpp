#include "environment_block.h"

#include <windows.h>

#include <algorithm>

namespace vorenta_e2e {

namespace {

// "=C:=C:\dir" entries start with '=': the name ends at the next one.
std::wstring NameOf(const std::wstring& entry) { return entry.substr(0, entry.find(L'=', 1)); }

bool SameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool NameBefore(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(NameOf(a).c_str(), -1, NameOf(b).c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

}  // namespace

std::wstring EnvironmentBlockWith(const EnvironmentChanges& changes) {
  std::vector<std::wstring> entries;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
    const std::wstring text = entry;
    const bool changed = std::any_of(changes.begin(), changes.end(), [&](const auto& change) {
      return SameName(change.first, NameOf(text));
    });
    if (!changed) entries.push_back(text);
  }
  FreeEnvironmentStringsW(strings);
  for (const auto& [name, value] : changes) entries.push_back(name + L"=" + value);
  // Windows expects the block sorted by name, case ignored.
  std::stable_sort(entries.begin(), entries.end(), NameBefore);

  std::wstring block;
  for (const std::wstring& entry : entries) block += entry + L'\0';
  return block + L'\0';
}

}  // namespace vorenta_e2e
