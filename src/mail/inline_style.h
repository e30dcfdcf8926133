#pragma once
// The properties of an element's style attribute that change a mail's
// lines: display (none hides, block breaks lines, inline does not),
// white-space (pre keeps spaces and line breaks) and the vertical margins
// (a wide one shows as an empty line).

#include <string_view>

namespace vorenta::html {

enum class StyleDisplay { kUnset, kNone, kInline, kBlock, kCell };
enum class WhiteSpace { kUnset, kCollapse, kPreserve, kPreserveBreaks };
// Wide is at least half a line of mail text (7px, 5.25pt, 0.5em), the
// margin at which copying from a browser adds an empty line.
enum class Margin { kUnset, kNarrow, kWide };

struct InlineStyle {
  StyleDisplay display = StyleDisplay::kUnset;
  WhiteSpace white_space = WhiteSpace::kUnset;
  Margin margin_top = Margin::kUnset;
  Margin margin_bottom = Margin::kUnset;
};

// Declarations are split at ';' outside quotes and parentheses; names and
// keywords in any case; comments skipped. The last declaration of a
// property wins unless an earlier one is !important. Values this reader has
// no use for leave the property unset.
InlineStyle ParseInlineStyle(std::u16string_view style);

}  // namespace vorenta::html
