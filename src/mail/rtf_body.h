#pragma once
// What the mail pane can show of an RTF body: the HTML that Outlook
// encapsulated in it (\fromhtml1), or the RTF's plain text.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vorenta {

// Turns bytes in a Windows code page into text.
using CodePageDecoder = std::function<std::u16string(int code_page, std::string_view bytes)>;

struct RtfBody {
  enum class Kind { kHtml, kText } kind;
  std::u16string content;
};

// With \fromhtml1 in the header, the encapsulated HTML: the text of the
// {\*\htmltag} groups and the text outside them that is not within an
// \htmlrtf ... \htmlrtf0 run. Otherwise (\fromtext, or a plain RTF
// document) the document's text, without font and colour tables, style
// sheets, pictures, objects, field instructions and other destinations, and
// without \htmlrtf runs there too.
//
// In both: \par and \line give CR LF, \tab a tab; a run of \'hh bytes and
// plain text is decoded together, in the code page of the current font's
// \fcharset or \cpg, else the document's \ansicpg (1252 when there is
// none), so that double-byte characters split over two \'hh survive; \uN
// gives its UTF-16 unit (N read as signed 16-bit) and the \ucN fallback
// after it is passed over.
//
// Groups nested deeper than kMaxRtfGroupDepth are dropped with their
// content. nullopt when the bytes do not begin with "{\rtf".
std::optional<RtfBody> ReadRtfBody(std::string_view rtf, const CodePageDecoder& decode);

inline constexpr int kMaxRtfGroupDepth = 128;

}  // namespace vorenta
