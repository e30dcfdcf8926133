#pragma once
// The name that copies of the program started from one folder share, so that
// a second start finds the first. Folders differ in name, so names differ.

#include <string>

namespace vorenta {

// `folder` is the executable's folder, already upper-cased so that the
// spellings of one folder meet. A backslash cannot stand in an object name
// and becomes a slash, which no folder name holds; a path too long for an
// object name keeps its end after a hash of the whole.
std::u16string InstanceMutexName(const std::u16string& upper_folder);

}  // namespace vorenta
