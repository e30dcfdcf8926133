#pragma once
// An HTML mail as the lines a reader sees in a browser, so that the mail
// pane can show a newsletter sent only as HTML.
//
// - Lines are joined by CR LF; no line holds a CR or LF of its own, and the
//   text neither begins nor ends with an empty line.
// - Blocks (p, div, li, tr, table, h1 ...) end lines; a block edge never
//   leaves an empty line by itself. A p's margins do, one empty line
//   between two paragraphs, as copying from a browser gives: its usual
//   margins, or an inline style's of at least half a line; not a margin
//   under that, nor those of Word's and Outlook's paragraphs (class Mso...),
//   which hold one line each. br always ends a line: two give an empty
//   line. Cells of a table row share one line, one space apart. An inline
//   style's display (none, block, inline, table-cell) counts over the
//   element's usual display.
// - Spaces collapse as in a browser; pre, listing, textarea, xmp, plaintext
//   and a white-space: pre style keep spaces and line breaks. &nbsp; is a
//   plain space that never collapses and is never dropped.
// - Nothing from head, title, style, script, noscript, template, comments,
//   doctypes, nor from elements hidden by display: none or the hidden
//   attribute, down to their last descendant.
// - A link to an http or https address has the address after its last text,
//   one space between, unless the text already is the address; a link
//   without text gives the address alone; a picture in such a link gives its
//   alt text. Text after an address on its line is kept one space apart from
//   it, so that a click cuts the address alone. Other links add nothing.
//   Pictures outside links give nothing: in a newsletter they are
//   decoration, and their alt texts ("logo", "spacer") would be noise.
// - Any input is safe: one pass, linear time, nesting followed 256 levels
//   deep (a deeper start tag opens nothing). The result is at most three
//   units per input unit: a link adds an address no longer than its own
//   start tag, spaces in an address become "%20", a newline kept from pre
//   becomes CR LF.

#include <string>
#include <string_view>

namespace vorenta {

std::u16string HtmlToText(std::u16string_view html);

}  // namespace vorenta
