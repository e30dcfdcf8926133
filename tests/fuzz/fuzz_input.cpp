#include "fuzz_input.h"

#include <iterator>

#include "settings/keyword_file.h"

namespace vorenta::fuzz {

namespace {

const std::u16string kAlphabet[] = {
    u"\"",
    u",",
    u" ",
    u"\r",
    u"\n",
    u"\r\n",
    std::u16string(1, u'\0'),
    u"a",
    u"b",
    u"#",
    u"\t",
    u"セ",
    u"限",
    u"表",  // a trail byte of 0x5C in code page 932
    u"¥",   // best-fit in code page 932
    u"〜",
    u"～",
    u"é",
    u"😀",
    std::u16string(1, u'\xD800'),
    std::u16string(1, u'\xDC00'),
    u"\uFEFF",
    u"\u3000",
    u"\uFFFD",
    std::u16string(kKeywordFileMarker),
    u"\"\"",
    u"http",
    u"://",
    u"e.jp/",
    u"~",
    u"{",
    u"A",
    // What the fuzzy search folds: half-width kana and their marks, kana of
    // both kinds, full-width and hyphen forms.
    u"ｶ",
    u"ﾊ",
    u"ｳ",
    u"ﾞ",
    u"ﾟ",
    u"ｰ",
    u"カ",
    u"ガ",
    u"か",
    u"ゞ",
    u"Ａ",
    u"‐",
    u"－",
};
constexpr size_t kAlphabetSize = std::size(kAlphabet);

}  // namespace

int32_t FuzzInput::Int() {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
  return static_cast<int32_t>(value);
}

std::u16string FuzzInput::RawUnits() {
  std::u16string units;
  while (pos_ + 1 < size_) {
    units += static_cast<char16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
  }
  pos_ = size_;
  return units;
}

std::u16string FuzzInput::Text(size_t max_pieces) {
  std::u16string text;
  for (size_t i = 0; i < max_pieces && !empty(); ++i) {
    const uint8_t b = Byte();
    if (b < 0xE0) {
      text += kAlphabet[b % kAlphabetSize];
    } else {
      const uint8_t low = Byte();
      text += static_cast<char16_t>(low | (Byte() << 8));
    }
  }
  return text;
}

std::vector<std::u16string> FuzzInput::Keywords(size_t max_keywords) {
  std::vector<std::u16string> keywords;
  while (!empty() && keywords.size() < max_keywords) keywords.push_back(Text(Byte() % 24));
  return keywords;
}

}  // namespace vorenta::fuzz
