#pragma once
// Outlook items through the system's structured storage.

#include <windows.h>

#include <objidl.h>

#include "platform/outlook_item_files.h"

namespace vorenta {

// The storage's top-level streams, each read whole; nullopt when they pass
// kMaxItemBytes or cannot be listed.
std::optional<ItemStreams> ReadStorageStreams(IStorage* storage);

class Win32OutlookItemFiles : public OutlookItemFiles {
 public:
  // StgOpenStorage, for reading, letting others read too.
  std::optional<ItemStreams> Read(const std::u16string& path, std::uint32_t& error) const override;
};

}  // namespace vorenta
