#include "mail/iso_2022_jp.h"

#include "mail/jis_cp932.h"

namespace vorenta {

namespace {

constexpr unsigned char kEsc = 0x1B;
constexpr unsigned char kShiftOut = 0x0E;
constexpr unsigned char kShiftIn = 0x0F;

enum class G0Set { kAscii, kKana, kJisX0208, kJisX0213Plane1, kOtherSingle, kOtherDouble };
enum class G2Set { kNone, kLatin1, kOther };

struct State {
  G0Set g0 = G0Set::kAscii;
  bool g1_is_kana = true;  // SO without a designation means kana, as Windows writes it
  bool shifted = false;
  G2Set g2 = G2Set::kNone;
};

constexpr char16_t kHalfWidthKanaBase = 0xFF61;  // ｡, at JIS X 0201 0x21

bool IsGraphic(unsigned char b) { return b >= 0x21 && b <= 0x7E; }

// ASCII that reads the same in the ASCII state: no escape or shift.
bool IsPlainAscii(unsigned char b) {
  return b < 0x80 && b != kEsc && b != kShiftOut && b != kShiftIn;
}

// What an escape sequence (its bytes after ESC) does to the state. Returns
// false for a sequence this decoder does not know. Compared byte by byte:
// a mail switches sets several times per line.
bool ApplyEscape(std::string_view sequence, State& state) {
  const size_t size = sequence.size();
  const char first = sequence[0];
  const char final = sequence[size - 1];
  const bool two_byte_g0 = first == '$' && (size == 2 || (size == 3 && sequence[1] == '('));
  if (size == 2 && first == '(') {
    state.shifted = false;
    if (final == 'B' || final == 'J' || final == 'H') {
      state.g0 = G0Set::kAscii;
    } else {
      state.g0 = final == 'I' ? G0Set::kKana : G0Set::kOtherSingle;
    }
    return true;
  }
  if (two_byte_g0) {
    state.shifted = false;
    if (final == '@' || final == 'B') {
      state.g0 = G0Set::kJisX0208;
    } else if (size == 3 && (final == 'Q' || final == 'O')) {
      state.g0 = G0Set::kJisX0213Plane1;
    } else {
      state.g0 = G0Set::kOtherDouble;
    }
    return true;
  }
  if (first == ')' || (size == 3 && first == '$' && sequence[1] == ')')) {
    state.g1_is_kana = sequence == ")I";
    return true;
  }
  if (size == 2 && first == '.') {
    state.g2 = final == 'A' ? G2Set::kLatin1 : G2Set::kOther;
    return true;
  }
  // JIS X 0208-1990's announcer before ESC $ B.
  return sequence == "&@";
}

template <typename Sink>
void ReadTwoByte(std::string_view bytes, size_t& i, G0Set set, Sink& sink) {
  const unsigned char row = static_cast<unsigned char>(bytes[i]);
  if (i + 1 >= bytes.size() || !IsGraphic(static_cast<unsigned char>(bytes[i + 1]))) {
    sink.Bad();  // half a character; what follows is read on its own
    ++i;
    return;
  }
  const unsigned char cell = static_cast<unsigned char>(bytes[i + 1]);
  i += 2;
  // JIS X 0213 gives rows 85-94 other characters than the IBM ones code page
  // 932 keeps there.
  const bool known = set == G0Set::kJisX0208 || (set == G0Set::kJisX0213Plane1 && row <= 0x74);
  if (!known || !Cp932HoldsJisCode(row, cell)) {
    sink.Bad();
    return;
  }
  const Cp932Pair pair = JisCodeToCp932(row, cell);
  sink.Pair(pair.lead, pair.trail);
}

template <typename Sink>
void ReadKana(unsigned char b, Sink& sink) {
  if (b <= 0x5F) {
    sink.Unit(static_cast<char16_t>(kHalfWidthKanaBase + (b - 0x21)));
  } else {
    sink.Bad();
  }
}

// Reads the escape sequence at bytes[i] (ESC), or its single shift.
template <typename Sink>
void ReadEscape(std::string_view bytes, size_t& i, State& state, Sink& sink) {
  size_t end = i + 1;
  while (end < bytes.size() && bytes[end] >= 0x20 && bytes[end] <= 0x2F) ++end;
  if (end >= bytes.size() || bytes[end] < 0x30 || bytes[end] > 0x7E) {
    sink.Bad();  // a lone ESC
    ++i;
    return;
  }
  const std::string_view sequence = bytes.substr(i + 1, end - i);
  i = end + 1;
  if (sequence == "N") {  // one character from G2
    const unsigned char b = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    if (b < 0x20 || b > 0x7F) {
      sink.Bad();  // a shift with nothing to shift; the byte is read on its own
      return;
    }
    ++i;
    if (state.g2 == G2Set::kLatin1) {
      sink.Unit(static_cast<char16_t>(b | 0x80));
    } else {
      sink.Bad();
    }
    return;
  }
  if (!ApplyEscape(sequence, state)) sink.Bad();
}

template <typename Sink>
void WalkIso2022Jp(std::string_view bytes, Sink& sink) {
  State state;
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b == kEsc) {
      ReadEscape(bytes, i, state, sink);
      continue;
    }
    if (b == kShiftOut || b == kShiftIn) {
      state.shifted = b == kShiftOut;
      ++i;
      continue;
    }
    // Controls and spaces read the same in every state, line ends included.
    if (b <= 0x20) {
      sink.Unit(b);
      ++i;
      continue;
    }
    if (b >= 0x80) {
      sink.Bad();
      ++i;
      continue;
    }
    if (state.shifted) {
      if (state.g1_is_kana && b != 0x7F) {
        ReadKana(b, sink);
      } else {
        sink.Bad();
      }
      ++i;
      continue;
    }
    switch (state.g0) {
      case G0Set::kAscii: {
        size_t end = i + 1;
        while (end < bytes.size() && IsPlainAscii(static_cast<unsigned char>(bytes[end]))) ++end;
        sink.Ascii(bytes.substr(i, end - i));
        i = end;
        break;
      }
      case G0Set::kKana:
        if (b == 0x7F) {
          sink.Bad();
        } else {
          ReadKana(b, sink);
        }
        ++i;
        break;
      case G0Set::kOtherSingle:
        sink.Bad();
        ++i;
        break;
      case G0Set::kJisX0208:
      case G0Set::kJisX0213Plane1:
      case G0Set::kOtherDouble:
        if (b == 0x7F) {
          sink.Bad();
          ++i;
        } else {
          ReadTwoByte(bytes, i, state.g0, sink);
        }
        break;
    }
  }
}

}  // namespace

DecodedText DecodeIso2022Jp(std::string_view bytes, const AnsiCodec& cp932) {
  return DecodeThroughCp932(
      bytes.size(), [bytes](auto& sink) { WalkIso2022Jp(bytes, sink); }, cp932);
}

bool HasIso2022JpEscapes(std::string_view bytes) {
  constexpr std::string_view kStarts[] = {"\x1b$B",  "\x1b$@",  "\x1b(J", "\x1b(I",
                                          "\x1b$(Q", "\x1b$(O", "\x1b$(D"};
  for (size_t i = bytes.find('\x1b'); i != std::string_view::npos; i = bytes.find('\x1b', i + 1)) {
    const std::string_view rest = bytes.substr(i);
    for (std::string_view start : kStarts) {
      if (rest.substr(0, start.size()) == start) return true;
    }
  }
  return false;
}

}  // namespace vorenta
