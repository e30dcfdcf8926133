#pragma once
// Keyword lists in files of the user's choosing: the copy the program writes
// for a backup or another PC, a plain text file of one keyword per line, and
// the keyword file of another PC.
//
// Writing: UTF-8 with a byte-order mark, one keyword per line, CR LF after
// each. A list that would not read back as itself so (a keyword that is
// empty or holds a CR, an LF or U+0000; a first line that is the marker;
// any list written under the keyword file's own name) is written in the
// keyword file's marked form, which carries every list.
//
// Reading, by the file's name and bytes:
// - A file named SMdata1.dat (in any case) is read by the keyword file's own
//   rules (keyword_file.h), the code page being 932.
// - Any other file is text: a byte-order mark says UTF-8 or UTF-16 (LE or
//   BE); without one, valid UTF-8 is UTF-8 and anything else code page 932.
//   A text whose first line is the marker is read by the marked form's
//   rules, whatever the text form (an editor may have saved it as UTF-16).
//   Any other text has one keyword a line, as it stands: commas, quotes and
//   spaces are part of it. A line ends at CR LF, LF or CR. Empty lines give
//   no keyword: an empty keyword would pick every line of a mail.
// - Refused: a file whose bytes are not valid in its form (another code
//   page, binary data) and a plain text holding U+0000. Mangled keywords
//   would be worse than none.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_codec.h"

namespace vorenta {

// Larger files are not read: no keyword list comes near it.
inline constexpr std::size_t kMaxKeywordImportBytes = 16u << 20;

struct KeywordImport {
  bool readable = false;
  std::vector<std::u16string> keywords;
};

// `file_name` is the file's name, with or without its folder.
KeywordImport ReadKeywordImport(std::u16string_view file_name, std::string_view bytes,
                                const AnsiCodec& cp932);

// The bytes to write under `file_name`, which read back as the list.
std::string WriteKeywordExport(std::u16string_view file_name,
                               const std::vector<std::u16string>& keywords, const AnsiCodec& cp932);

// The keywords of `incoming` that `list` does not hold, in their order, each
// once.
std::vector<std::u16string> KeywordsToAdd(const std::vector<std::u16string>& list,
                                          const std::vector<std::u16string>& incoming);

}  // namespace vorenta
