// The codec of the build: code page 932 through iconv natively, CP_ACP
// (932 under Wine's Japanese locale) in the Windows build. Both must agree
// on everything asserted here.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ansi_codec.h"

namespace vorenta {
namespace {

class AnsiCodecTest : public testing::Test {
 protected:
  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
};

TEST_F(AnsiCodecTest, EncodesJapaneseTextAsCodePage932) {
  const AnsiBytes encoded = codec_->Encode(u"セール 送料無料");
  EXPECT_EQ(encoded.bytes, "\x83\x5A\x81\x5B\x83\x8B \x91\x97\x97\xBF\x96\xB3\x97\xBF");
  EXPECT_FALSE(encoded.lossy);
}

TEST_F(AnsiCodecTest, DecodesCodePage932) {
  const AnsiText decoded = codec_->Decode("\x83\x5A\x81\x5B\x83\x8B,\xB1\x87\x40");
  EXPECT_EQ(decoded.text, u"セール,ｱ①");
  EXPECT_FALSE(decoded.lossy);
}

TEST_F(AnsiCodecTest, EmptyTextConverts) {
  EXPECT_EQ(codec_->Encode(u"").bytes, "");
  EXPECT_FALSE(codec_->Encode(u"").lossy);
  EXPECT_EQ(codec_->Decode("").text, u"");
  EXPECT_FALSE(codec_->Decode("").lossy);
}

TEST_F(AnsiCodecTest, NulIsAnOrdinaryCharacterBothWays) {
  const std::u16string text(u"a\0b\0", 4);
  const std::string bytes("a\0b\0", 4);
  EXPECT_EQ(codec_->Encode(text).bytes, bytes);
  EXPECT_EQ(codec_->Decode(bytes).text, text);
}

TEST_F(AnsiCodecTest, ReportsCharactersTheCodePageCannotHold) {
  for (const std::u16string text : {u"😀", u"한", u"x\xD800", u"\xDC00"}) {
    SCOPED_TRACE(testing::PrintToString(text));
    const AnsiBytes encoded = codec_->Encode(text);
    EXPECT_TRUE(encoded.lossy);
    EXPECT_NE(encoded.bytes.find('?'), std::string::npos);
  }
}

TEST_F(AnsiCodecTest, ReportsBestFitFormsThatComeBackAsOtherCharacters) {
  // Windows writes ¦ as |, iconv as ?: lost either way.
  for (const std::u16string text : {u"¥", u"〜", u"−", u"‖", u"¦"}) {
    SCOPED_TRACE(testing::PrintToString(text));
    EXPECT_TRUE(codec_->Encode(text).lossy);
  }
  for (const std::u16string text : {u"～", u"－", u"∥", u"\\"}) {
    SCOPED_TRACE(testing::PrintToString(text));
    EXPECT_FALSE(codec_->Encode(text).lossy);
  }
}

TEST_F(AnsiCodecTest, InvalidBytesBecomeOneReplacementCharacterEach) {
  struct Case {
    std::string bytes;
    std::u16string text;
  };
  const Case cases[] = {
      {"\x82", u"\uFFFD"},                 // a lead byte cut off at the end
      {"a\x81 b", u"a\uFFFD b"},           // a lead byte before a byte that is no trail
      {"\x85\x40z", u"\uFFFD@z"},          // a pair with no character
      {"\xEB\x40\x83\x5A", u"\uFFFD@セ"},  // and the text after it survives
      {"\x81\x7F", u"\uFFFD\x7F"},         // DEL is no trail byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const AnsiText decoded = codec_->Decode(c.bytes);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_TRUE(decoded.lossy);
  }
}

TEST_F(AnsiCodecTest, DecodesAMultiMegabyteTextWithInvalidBytesQuickly) {
  std::string bytes;
  std::u16string expected;
  for (int i = 0; i < 400000; ++i) {
    bytes += "\x83\x5A\x81\x5B\x83\x8B\r\n";
    expected += u"セール\r\n";
    if (i % 1000 == 0) {
      bytes += "\x85\x40";
      expected += u"\uFFFD@";
    }
  }
  const AnsiText decoded = codec_->Decode(bytes);
  EXPECT_TRUE(decoded.lossy);
  EXPECT_EQ(decoded.text, expected);
}

}  // namespace
}  // namespace vorenta
