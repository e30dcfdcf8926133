#pragma once
// The name that copies of the program started from one folder share, so that
// a second start finds the first. Different folders have different keys, so
// names differ.

#include <string>

namespace vorenta {

// `folder_key` names the executable's folder the same way for each of its
// spellings: its identity on the volume, or else its upper-cased path. A
// backslash cannot stand in an object name and becomes a slash, which no
// folder name holds; a key too long for an object name keeps its end after
// a hash of the whole.
std::u16string InstanceMutexName(const std::u16string& folder_key);

}  // namespace vorenta
