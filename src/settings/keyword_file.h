#pragma once
// The keyword file SMdata1.dat: its field rules, its text forms and the
// writer.
//
// Reading the plain form, decided for every input (each case has a test):
// - Before every field the end of the text is tested; reading stops there.
// - Leading spaces (U+0020 only) are skipped.
// - A field that begins with a double quote runs to the next double quote,
//   across commas and line ends; the quotes are not part of the keyword.
//   Whatever follows the closing quote up to the next comma or line end is
//   dropped, and that comma or line end is consumed: "a,b" CR LF is one
//   keyword a,b and no empty one after it.
// - A double quote that is never closed: the field runs to the end of its
//   line, without the quote; the lines after it are read as usual.
// - Any other field runs to the next comma or line end, which is consumed;
//   its trailing spaces are dropped. A double quote inside it is an
//   ordinary character.
// - A line end is CR LF, CR alone or LF alone; a last line without one ends
//   at the end of the text.
// - An empty line, a line of spaces only, a comma right after a delimiter:
//   each gives an empty keyword. A comma at the very end of the text gives
//   none (the end of the text is tested before the next field).
// - NUL is an ordinary character.
//
// Text forms: a file that begins with the UTF-8 byte-order mark is UTF-8;
// one that begins with a UTF-16 byte-order mark (LE or BE), as Notepad's
// "Unicode" saves it, is UTF-16; any other file is in the ANSI code page. Bytes that are not valid
// in the form become U+FFFD and are reported, never refused.
//
// The marked form: a UTF-8 file whose first line is exactly the marker
//   #Vorenta keywords format 2
// (ended by CR LF, CR, LF or the end of the text). The lines after it are
// read by the rules above with one addition: inside double quotes, two
// double quotes in a row stand for one and do not close the field. An older
// UTF-8 file whose first keyword is the marker text would be read this way
// too; no real keyword list begins with it. A code page file is never
// marked.
//
// Writing, the plain form: one line per keyword, CR LF after each; an empty
// list is an empty file. A keyword that would not read back as itself
// written bare (it has a comma, a CR or LF, or leading or trailing spaces)
// is written in double quotes, unless it holds a double quote itself: then
// it is written bare. The file is in the ANSI code page unless some keyword
// has characters the code page cannot hold; then the whole file is UTF-8
// with a byte-order mark.
//
// The writer keeps the plain form, byte for byte, for every list that reads
// back from it unchanged, so files stay readable by older versions (which
// take a marked file's marker line for a keyword). Only a
// list the plain form cannot carry (a double quote where quoting is needed,
// a keyword beginning with a double quote, a UTF-8 list whose first keyword
// is the marker) is written in the marked form: the byte-order mark, the
// marker line, then one line per keyword, CR LF after each; a keyword that
// is empty or has a comma, a double quote, a CR or LF, or leading or
// trailing spaces is written in double quotes with each double quote
// doubled. Every list reads back unchanged from what the writer writes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_codec.h"
#include "settings/keyword_fields.h"

namespace vorenta {

inline constexpr std::u16string_view kKeywordFileMarker = u"#Vorenta keywords format 2";

struct KeywordFileContent {
  std::vector<std::u16string> keywords;
  bool lossy = false;  // some bytes could not be decoded and became U+FFFD
};

KeywordFileContent ReadKeywordFile(const std::string& bytes, const AnsiCodec& codec);

std::string WriteKeywordFile(const std::vector<std::u16string>& keywords, const AnsiCodec& codec);

// The marked form's pieces, for other files that carry a keyword list.
//
// The keywords of a text that begins with the marker line; nullopt for any
// other text.
std::optional<std::vector<std::u16string>> ReadMarkedKeywordText(std::u16string_view text);
// The bytes of the marked form: the byte-order mark, the marker line, the
// keywords.
std::string WriteMarkedKeywordFile(const std::vector<std::u16string>& keywords);

}  // namespace vorenta
