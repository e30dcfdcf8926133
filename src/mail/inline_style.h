#pragma once
// The two properties of an element's style attribute that change a mail's
// lines: display (none hides, block breaks lines, inline does not) and
// white-space (pre keeps spaces and line breaks).

#include <string_view>

namespace vorenta::html {

enum class StyleDisplay { kUnset, kNone, kInline, kBlock, kCell };
enum class WhiteSpace { kUnset, kCollapse, kPreserve, kPreserveBreaks };

struct InlineStyle {
  StyleDisplay display = StyleDisplay::kUnset;
  WhiteSpace white_space = WhiteSpace::kUnset;
};

// Declarations are split at ';' outside quotes and parentheses; names and
// keywords in any case; comments skipped. The last declaration of a
// property wins unless an earlier one is !important. Values this reader has
// no use for leave the property unset.
InlineStyle ParseInlineStyle(std::u16string_view style);

}  // namespace vorenta::html
