// The iconv codec of native builds against the byte-by-byte decoder it
// replaced, and across the chunks it hands to iconv.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "core/ansi_codec.h"
#include "platform/codec/reference_cp932_decode.h"

namespace vorenta {
namespace {

class IconvCodec : public testing::Test {
 protected:
  void ExpectSameAsReference(const std::string& bytes) const {
    const AnsiText decoded = codec_->Decode(bytes);
    const AnsiText expected = reference::DecodeCp932ByteByByte(bytes);
    EXPECT_EQ(decoded.text, expected.text);
    EXPECT_EQ(decoded.lossy, expected.lossy);
  }

  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
};

TEST_F(IconvCodec, DecodesRandomMixesAsTheByteByByteDecoder) {
  // Valid single bytes, lead and trail bytes, bytes that start nothing.
  const std::string palette(
      "a\x20\x5C\x7F\x80\xA0\xB1\xDF\xFD\xFF\x81\x83\x85\x9F\xE0\xEB\xFC\x40\x5A\x00", 20);
  std::mt19937 random(932);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 9000, ' ');
    for (char& b : bytes) {
      b = random() % 4 == 0 ? static_cast<char>(random()) : palette[random() % palette.size()];
    }
    SCOPED_TRACE(round);
    ExpectSameAsReference(bytes);
  }
}

TEST_F(IconvCodec, DecodesInvalidRunsAndCharactersCutByAChunksEnd) {
  for (size_t before : {4094u, 4095u, 4096u, 8191u}) {
    SCOPED_TRACE(before);
    const std::string padding(before, 'a');
    ExpectSameAsReference(padding + "\x83\x5A" + "z");  // セ across the boundary
    ExpectSameAsReference(padding + "\x85\x40" + "z");  // a pair with no character
    ExpectSameAsReference(padding + "\x82");            // a lead byte cut off at the end
    ExpectSameAsReference(padding + std::string(5000, '\xA0') + "\x83\x5A");
  }
}

TEST_F(IconvCodec, EncodesASurrogatePairCutByAChunksEndAsOneLostCharacter) {
  // 4096 bytes of UTF-16 go to iconv at a time; the pair straddles them.
  const AnsiBytes encoded = codec_->Encode(std::u16string(2047, u'a') + u"😀b");
  EXPECT_EQ(encoded.bytes, std::string(2047, 'a') + "?b");
  EXPECT_TRUE(encoded.lossy);
}

}  // namespace
}  // namespace vorenta
