#pragma once
// RTF cut into its pieces: groups, control words and symbols, hex bytes,
// text and binary data. Knows nothing of what a control word means except
// \bin, whose data must be passed over as a whole.

#include <cstdint>
#include <string_view>

namespace vorenta {

struct RtfToken {
  enum class Kind {
    kEnd,
    kGroupStart,
    kGroupEnd,
    kControlWord,    // name, and param when has_param
    kControlSymbol,  // symbol: the character after the backslash
    kHexByte,        // \'hh: byte
    kText,           // a run of bytes with no RTF meaning
    kBinary,         // the data of \binN
  };
  Kind kind = Kind::kEnd;
  std::string_view name;
  std::int32_t param = 0;
  bool has_param = false;
  char symbol = 0;
  unsigned char byte = 0;
  std::string_view text;  // kText and kBinary
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view rtf) : rtf_(rtf) {}

  // kEnd once the input is used up. Line breaks in the source are not text
  // and are dropped; a parameter past the 32-bit range is clamped.
  RtfToken Next();

 private:
  RtfToken ControlWord();
  RtfToken Escape();

  std::string_view rtf_;
  size_t pos_ = 0;
};

}  // namespace vorenta
