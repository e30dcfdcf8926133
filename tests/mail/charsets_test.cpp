#include "mail/charsets.h"

#include <gtest/gtest.h>

#include "mail/jis_cp932.h"
#include "test_codec.h"

namespace vorenta {
namespace {

using test::Cp932;

TEST(JisCodesInCodePage932, HeldCodesGiveOneCharacterAndGapsAreRefusedByTheCodec) {
  for (int row = 0x21; row <= 0x7E; ++row) {
    for (int cell = 0x21; cell <= 0x7E; ++cell) {
      const Cp932Pair pair = JisCodeToCp932(row, cell);
      const AnsiText decoded = Cp932().Decode(std::string{pair.lead, pair.trail});
      const bool held = Cp932HoldsJisCode(row, cell);
      SCOPED_TRACE(testing::Message() << "JIS " << std::hex << row << " " << cell);
      EXPECT_EQ(!decoded.lossy && decoded.text.size() == 1, held);
    }
  }
}

struct CharsetCase {
  const char* name;
  const char* label;  // none: the charset is guessed
  std::string bytes;
  std::u16string text;
  bool lossy = false;
};

class DecodeCharsetTest : public testing::TestWithParam<CharsetCase> {};

TEST_P(DecodeCharsetTest, DecodesAsWindowsWould) {
  const std::optional<DecodedText> decoded =
      GetParam().label ? DecodeCharset(GetParam().label, GetParam().bytes, Cp932())
                       : DecodeUnlabelled(GetParam().bytes, Cp932());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->text, GetParam().text);
  EXPECT_EQ(decoded->lossy, GetParam().lossy);
}

const CharsetCase kIso2022JpCases[] = {
    {"JisX0208", "ISO-2022-JP", "\x1b$B%;!<%k\x1b(B", u"セール"},
    {"OldJisX0208", "iso-2022-jp", "\x1b$@%;\x1b(B", u"セ"},
    {"NecRow13", "iso-2022-jp", "\x1b$B\x2d\x21\x2d\x6a\x2d\x41\x1b(B", u"①㈱㌔"},
    {"NecSelectedIbmRows", "csISO2022JP", "\x1b$B\x79\x75\x7c\x62\x1b(B", u"﨑髙"},
    {"JisRomanKeptAsAscii", "iso-2022-jp", "\x1b(Ja\\b~\x1b(B", u"a\\b~"},
    {"HalfWidthKana", "iso-2022-jp", "\x1b(I16\x1b(Bx", u"ｱｶx"},
    {"ShiftOutKana", "iso-2022-jp",
     "a\x0e\x31\x36\x0f"
     "b",
     u"aｱｶb"},
    {"LineEndsKeepTheState", "iso-2022-jp", "\x1b$B%;\r\n%;\x1b(B", u"セ\r\nセ"},
    {"UnclosedStateIsFine", "iso-2022-jp", "\x1b$B%;", u"セ"},
    {"JisX0212OneReplacementEach", "ISO-2022-JP-1", "\x1b$(D\x22\x2f\x30\x21\x1b(Bx",
     u"\uFFFD\uFFFDx", true},
    {"JisX0213Plane1WhereItAgrees", "iso-2022-jp-2004", "\x1b$(Q%;-!\x79\x75\x1b(B", u"セ①\uFFFD",
     true},
    {"GapCodeSwallowsNothing", "iso-2022-jp", "\x1b$B\x29\x21%;\x22\x2f\x1b(B", u"\uFFFDセ\uFFFD",
     true},
    {"HalfACharacterBeforeAnEscape", "iso-2022-jp", "\x1b$B%\x1b(Bx", u"\uFFFDx", true},
    {"EightBitByteAmongEscapes", "iso-2022-jp", "\x1b$B%;\x1b(B\xff", u"セ\uFFFD", true},
    {"LoneEscape", "iso-2022-jp", "a\x1b", u"a\uFFFD", true},
    {"Latin1SingleShift", "iso-2022-jp-2", "\x1b.Acaf\x1bNi", u"café"},
    {"ShiftJisMislabelled", "iso-2022-jp", "\x83\x5a\x81\x5b\x83\x8b", u"セール"},
};
INSTANTIATE_TEST_SUITE_P(Iso2022Jp, DecodeCharsetTest, testing::ValuesIn(kIso2022JpCases),
                         [](const auto& info) { return std::string(info.param.name); });

const CharsetCase kOtherCharsetCases[] = {
    {"EucJp", "EUC-JP", "\xa5\xbb\xa1\xbc\xa5\xeb", u"セール"},
    {"EucJpNecRow13", "x-euc-jp", "\xad\xa1\xad\xea", u"①㈱"},
    {"EucJpIbmRows", "eucjp", "\xf9\xf5\xfc\xe2", u"﨑髙"},
    {"EucJpKana", "euc-jp", "\x8e\xb1\x8e\xb6", u"ｱｶ"},
    {"EucJpJisX0212", "euc-jp", "\x8f\xb0\xa1x", u"\uFFFDx", true},
    {"EucJpBadBytes", "euc-jp", "\xa5x\xff\xa5\xbb", u"\uFFFDx\uFFFDセ", true},
    {"ShiftJisWindowsName", "Windows-31J", "\x87\x40\xed\x95\x95\x5c", u"①﨑表"},
    {"ShiftJisQuotedLabel", " \"SJIS\" ", "\x83\x5a", u"セ"},
    {"ShiftJisBadByte", "shift_jis", "\x83\x5a\xa0", u"セ\uFFFD", true},
    {"Utf8BomDropped", "utf8", "\xef\xbb\xbf\xe3\x82\xbb", u"セ"},
    {"Utf8BadByte", "UTF-8", "a\xe3\x82", u"a\uFFFD\uFFFD", true},
    {"AsciiHoldingUtf8", "us-ascii", "\xe3\x82\xbb", u"セ"},
    {"AsciiHoldingShiftJis", "ANSI_X3.4-1968", "\x83\x5a", u"セ"},
    {"AsciiHoldingIso2022Jp", "ascii", "\x1b$B%;\x1b(B", u"セ"},
    {"Latin1AsWindows1252", "ISO-8859-1", "\x80\xe9\x9f\x81", u"€éŸ\u0081"},
    {"Windows1252", "cp1252", "\x93x\x94", u"“x”"},
    {"Utf16WithoutBomIsBigEndian", "UTF-16", std::string("\x30\xbb\xd8\x3c\xdf\x89", 6),
     u"セ\U0001F389"},
    {"Utf16LittleEndianBom", "utf-16", std::string("\xff\xfe\xbb\x30", 4), u"セ"},
    {"Utf16LeOddByte", "utf-16le", std::string("\xbb\x30\x41", 3), u"セ\uFFFD", true},
    {"Utf16BeLoneSurrogateKept", "utf-16be", std::string("\xd8\x3c\x00\x41", 4),
     u"\xd83c"
     u"A"},
};
INSTANTIATE_TEST_SUITE_P(Others, DecodeCharsetTest, testing::ValuesIn(kOtherCharsetCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeCharset, UnknownLabelsGiveNothing) {
  for (const char* label : {"", "x-unknown", "gb2312", "utf-7", "iso-2022-kr"}) {
    EXPECT_FALSE(DecodeCharset(label, "abc", Cp932())) << label;
  }
}

const CharsetCase kUnlabelledCases[] = {
    {"Ascii", nullptr, "abc\r\n", u"abc\r\n"},
    {"SevenBitIso2022Jp", nullptr, "a\x1b$B%;\x1b(B", u"aセ"},
    {"Utf8", nullptr, "\xe3\x82\xbb\xe3\x83\xbc\xe3\x83\xab", u"セール"},
    {"ShiftJis", nullptr, "\x83\x5a\x81\x5b\x83\x8b", u"セール"},
    {"Iso2022JpWithStrayByte", nullptr, "\x1b$B%;\x1b(B\x83", u"セ\uFFFD", true},
    {"BrokenShiftJis", nullptr, "\x83\x5a\x83", u"セ\uFFFD", true},
};
INSTANTIATE_TEST_SUITE_P(Unlabelled, DecodeCharsetTest, testing::ValuesIn(kUnlabelledCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Passes everything to code page 932, counting calls; turns ① into what a
// code page without the NEC row gives, a replacement and the second byte.
class CountingCodec : public AnsiCodec {
 public:
  AnsiBytes Encode(const std::u16string& text) const override { return Cp932().Encode(text); }
  AnsiText Decode(const std::string& bytes) const override {
    ++calls;
    AnsiText decoded;
    for (size_t i = 0; i < bytes.size(); i += 2) {
      const std::string pair = bytes.substr(i, 2);
      if (without_nec_row && pair == "\x87\x40") {
        decoded.text += u"\uFFFD@";
        decoded.lossy = true;
      } else {
        decoded.text += Cp932().Decode(pair).text;
      }
    }
    return decoded;
  }
  bool without_nec_row = false;
  mutable int calls = 0;
};

TEST(DecodeJis, DecodesAllItsTwoByteCodesInOneCodecCall) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += "\x1b$B%;!<%k\x1b(Bab\x80\xa5\xbb";
  CountingCodec codec;
  const DecodedText iso = *DecodeCharset("iso-2022-jp", bytes, codec);
  EXPECT_EQ(iso.text.substr(0, 8), u"セールab\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(codec.calls, 1);
  codec.calls = 0;
  DecodeCharset("euc-jp", bytes, codec);
  EXPECT_EQ(codec.calls, 1);
}

TEST(DecodeJis, ACodecLackingACharacterShiftsNoOther) {
  CountingCodec codec;
  codec.without_nec_row = true;
  const DecodedText decoded = *DecodeCharset("iso-2022-jp", "\x1b$B-!%;\x1b(Bx", codec);
  EXPECT_EQ(decoded.text, u"\uFFFD@セx");
  EXPECT_TRUE(decoded.lossy);
}

}  // namespace
}  // namespace vorenta
