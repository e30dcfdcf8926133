#pragma once
// Outlook items (.msg files): compound files, which the system reads.

#include <cstdint>
#include <optional>
#include <string>

#include "mail/item_streams.h"

namespace vorenta {

// Streams past this size, and items whose streams together pass it, are
// not read.
inline constexpr std::uint64_t kMaxItemBytes = 64u << 20;

class OutlookItemFiles {
 public:
  virtual ~OutlookItemFiles() = default;
  // The item's top-level streams (its properties and bodies; attachments
  // live below and are not read); nullopt when the file cannot be read as a
  // compound file, with the system's reason in `error`.
  virtual std::optional<ItemStreams> Read(const std::u16string& path,
                                          std::uint32_t& error) const = 0;
};

}  // namespace vorenta
