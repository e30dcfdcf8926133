#pragma once
// The field rules of the keyword file's text, for its two forms (described
// in keyword_file.h): the plain rules, and the marked rules that add one
// thing, a doubled double quote inside quotes standing for one.

#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

// The fields of a plain keyword file's text.
std::vector<std::u16string> ReadKeywordFields(std::u16string_view text);

// The fields of a marked keyword file's text after its marker line.
std::vector<std::u16string> ReadMarkedKeywordFields(std::u16string_view text);

// A keyword's line in the plain form, without its CR LF: the keyword itself,
// or the keyword in double quotes when it would not read back otherwise and
// holds no double quote.
std::u16string KeywordLine(const std::u16string& keyword);

// A keyword's line in the marked form, without its CR LF; it always reads
// back as the keyword.
std::u16string MarkedKeywordLine(const std::u16string& keyword);

}  // namespace vorenta
