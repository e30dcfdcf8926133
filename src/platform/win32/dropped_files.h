#pragma once
// The file names of a CF_HDROP block, as Explorer puts them on the
// clipboard and into a drag.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace vorenta {

// The full names, in the order the block holds them.
std::vector<std::u16string> FileNamesOf(HDROP drop);

// The "HTML Format" clipboard format (registered once per session).
UINT HtmlClipboardFormat();

}  // namespace vorenta
