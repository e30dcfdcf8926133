#pragma once
// The fold of the fuzzy search (あいまい検索): texts that a Japanese reader
// takes for the same words become equal.
//
// - ASCII letters regardless of case; the full-width forms U+FF01-U+FF5E
//   equal ASCII (letters, digits, punctuation); U+3000 equals a space.
// - Half-width katakana equal full-width katakana; a following half-width
//   voiced or semi-voiced mark is composed where a composed kana exists
//   (ｶﾞ = ガ, ﾊﾟ = パ, ｳﾞ = ヴ), a lone one equals ゛ or ゜; ｰ equals ー and
//   ｡｢｣､･ equal 。「」、・.
// - Hiragana equal katakana (ゝゞ equal ヽヾ).
// - The wave dashes 〜 and ～ equal ~; the hyphens and minus signs U+2010 to
//   U+2013, U+2212 and U+FF0D equal -.
// Voiced and unvoiced kana, small and large kana, and kanji stay apart.

#include <string>
#include <string_view>
#include <vector>

namespace vorenta {

// The fold of one unit on its own (without composition). A folded unit
// folds to itself.
char16_t FoldUnit(char16_t c);
// The units that FoldUnit changes, a few hundred, in order.
const std::vector<char16_t>& UnitsThatFold();

// The full-width kana that a half-width kana and a following half-width
// voiced (U+FF9E) or semi-voiced (U+FF9F) mark make together, folded; 0
// when they make none.
char16_t ComposeHalfwidthKana(char16_t kana, char16_t mark);

// The folded text. `origin`, when given, receives for each folded unit the
// index of the original unit it begins at, and one more entry: the length
// of the original.
std::u16string FoldText(std::u16string_view text, std::vector<int>* origin = nullptr);

}  // namespace vorenta
