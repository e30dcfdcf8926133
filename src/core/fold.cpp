#include "core/fold.h"

#include <array>
#include <iterator>

namespace vorenta {

namespace {

constexpr char16_t kHalfwidthVoicedMark = 0xFF9E;
constexpr char16_t kHalfwidthSemiVoicedMark = 0xFF9F;

// Full-width katakana for U+FF65 to U+FF9F, in that order.
constexpr char16_t kHalfwidthKatakana[] = {
    0x30FB,                                                                  // ･
    0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7,  // ｦｧｨｩｪｫｬｭｮ
    0x30C3, 0x30FC,                                                          // ｯｰ
    0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA,                                  // ｱｲｳｴｵ
    0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,                                  // ｶｷｸｹｺ
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD,                                  // ｻｼｽｾｿ
    0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8,                                  // ﾀﾁﾂﾃﾄ
    0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE,                                  // ﾅﾆﾇﾈﾉ
    0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB,                                  // ﾊﾋﾌﾍﾎ
    0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2,                                  // ﾏﾐﾑﾒﾓ
    0x30E4, 0x30E6, 0x30E8,                                                  // ﾔﾕﾖ
    0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED,                                  // ﾗﾘﾙﾚﾛ
    0x30EF, 0x30F3,                                                          // ﾜﾝ
    0x309B, 0x309C,                                                          // ﾞﾟ alone
};

static_assert(std::size(kHalfwidthKatakana) == 0xFF9F - 0xFF65 + 1);

class FoldTable {
 public:
  FoldTable() {
    for (size_t c = 0; c < table_.size(); ++c) table_[c] = static_cast<char16_t>(c);
    for (char16_t c = u'A'; c <= u'Z'; ++c) table_[c] = static_cast<char16_t>(c - u'A' + u'a');
    for (char16_t c = 0xFF01; c <= 0xFF5E; ++c) {
      table_[c] = table_[static_cast<char16_t>(c - 0xFF01 + 0x21)];
    }
    table_[0x3000] = u' ';
    table_[0xFF61] = 0x3002;  // ｡
    table_[0xFF62] = 0x300C;  // ｢
    table_[0xFF63] = 0x300D;  // ｣
    table_[0xFF64] = 0x3001;  // ､
    for (char16_t c = 0xFF65; c <= 0xFF9F; ++c) table_[c] = kHalfwidthKatakana[c - 0xFF65];
    for (char16_t c = 0x3041; c <= 0x3096; ++c) table_[c] = static_cast<char16_t>(c + 0x60);
    table_[0x309D] = 0x30FD;  // ゝ
    table_[0x309E] = 0x30FE;  // ゞ
    table_[0x301C] = u'~';    // 〜, as ～ already is
    for (char16_t c = 0x2010; c <= 0x2013; ++c) table_[c] = u'-';
    table_[0x2212] = u'-';
    for (size_t c = 0; c < table_.size(); ++c) {
      if (table_[c] != c) changed_.push_back(static_cast<char16_t>(c));
    }
  }
  char16_t operator[](char16_t c) const { return table_[c]; }
  const std::vector<char16_t>& changed() const { return changed_; }

 private:
  std::array<char16_t, 0x10000> table_;
  std::vector<char16_t> changed_;
};

const FoldTable& Table() {
  // Built at first use: as a static object the compiler would store all
  // 128 KB of it in Vorenta.exe.
  static const FoldTable* const table = new FoldTable();
  return *table;
}

// The voiced forms follow their unvoiced kana at +1 (ガ after カ), the
// semi-voiced ones at +2 (パ after ハ), for these rows.
bool TakesVoicedMark(char16_t kana) {
  return (kana >= 0x30AB && kana <= 0x30C8 && kana != 0x30C3) ||  // カ to ト
         (kana >= 0x30CF && kana <= 0x30DB);                      // ハ to ホ
}

}  // namespace

char16_t FoldUnit(char16_t c) { return Table()[c]; }

const std::vector<char16_t>& UnitsThatFold() { return Table().changed(); }

char16_t ComposeHalfwidthKana(char16_t kana, char16_t mark) {
  if (kana < 0xFF66 || kana > 0xFF9D) return 0;
  if (mark != kHalfwidthVoicedMark && mark != kHalfwidthSemiVoicedMark) return 0;
  const char16_t full = FoldUnit(kana);
  if (mark == kHalfwidthVoicedMark) {
    if (full == 0x30A6) return 0x30F4;  // ウ゛ = ヴ
    if (full == 0x30EF) return 0x30F7;  // ワ゛ = ヷ
    if (full == 0x30F2) return 0x30FA;  // ヲ゛ = ヺ
    if (TakesVoicedMark(full)) return static_cast<char16_t>(full + 1);
    return 0;
  }
  if (full >= 0x30CF && full <= 0x30DB) return static_cast<char16_t>(full + 2);
  return 0;
}

std::u16string FoldText(std::u16string_view text, std::vector<int>* origin) {
  std::u16string folded;
  folded.reserve(text.size());
  if (origin) {
    origin->clear();
    origin->reserve(text.size() + 1);
  }
  for (size_t i = 0; i < text.size(); ++i) {
    if (origin) origin->push_back(static_cast<int>(i));
    if (i + 1 < text.size()) {
      if (const char16_t composed = ComposeHalfwidthKana(text[i], text[i + 1])) {
        folded += composed;
        ++i;
        continue;
      }
    }
    folded += FoldUnit(text[i]);
  }
  if (origin) origin->push_back(static_cast<int>(text.size()));
  return folded;
}

}  // namespace vorenta
