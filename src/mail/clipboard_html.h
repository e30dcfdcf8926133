#pragma once
// The Windows clipboard's "HTML Format": an ASCII header of Name:value lines
// (Version, StartHTML, EndHTML, StartFragment, EndFragment, StartSelection,
// EndSelection, SourceURL; each ended by CR, LF or CR LF) followed by UTF-8
// HTML, with byte offsets into the whole of it.

#include <optional>
#include <string_view>

namespace vorenta {

// The bytes of the copied part, always a subrange of data: nullopt when data
// does not begin with such a header (the caller then takes the plain text).
// Data ends at its first NUL. In order of trust:
// - StartFragment and EndFragment when they lie within the data, after the
//   header, in order, and sit right after a <!--StartFragment--> comment and
//   right before an <!--EndFragment--> one;
// - else the part between the first <!--StartFragment--> and the last
//   <!--EndFragment--> (any case, spaces allowed inside the comments), so
//   that the comments of an earlier copy inside a fragment stay in it: every
//   browser and Office writes them, while some programs count the offsets in
//   characters instead of bytes, which points them elsewhere once the text
//   is not ASCII;
// - else StartFragment and EndFragment when they lie within the data;
// - else StartHTML and EndHTML when they do;
// - else everything after the header.
// Offsets may be zero-padded; -1 or a value that is no number counts as
// absent.
std::optional<std::string_view> ClipboardHtmlFragment(std::string_view data);

}  // namespace vorenta
