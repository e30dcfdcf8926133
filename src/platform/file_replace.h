#pragma once
// How a file is replaced so that a kill at any instant leaves a complete
// file under its name: the new bytes go to a temporary file beside it,
// flushed to the disk, which is then renamed over the old one in one step.
// No moment passes without a file of that name, and no backup name is used.
//
// A kill before the rename leaves the temporary file behind, under a name
// that only these files have: the target's name, a dot, the process id and
// a counter in hexadecimal joined by a dash, and ".tmp". Versions before
// this one also left ".bak" files of the same shape; both are "leftovers".

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace vorenta {

enum class LeftoverKind { kNone, kTemporary, kBackup };

// SMdata1.dat.1a2b-3.tmp for SMdata1.dat, process 0x1a2b, counter 3.
std::u16string TemporaryNameFor(const std::u16string& path, std::uint32_t process_id,
                                std::uint32_t counter);

// Whether a file name (without its folder) is a leftover of a save of the
// target (a name without its folder), and of which kind. Case is ignored as
// the file system ignores it.
LeftoverKind LeftoverOf(std::u16string_view name, std::u16string_view target_name);

}  // namespace vorenta
