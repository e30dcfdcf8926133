#include "mail/compressed_rtf.h"

#include <gtest/gtest.h>

#include <string>

#include "mail/lzfu_compressor.h"

namespace vorenta {
namespace {

using testing_lzfu::BitwiseCrc;
using testing_lzfu::CompressLzfu;
using testing_lzfu::Header;

// Stored LZFu around the given content, with sizes and CRC that agree with it.
std::string Lzfu(const std::string& content, std::uint32_t raw_size) {
  return Header(static_cast<std::uint32_t>(content.size() + 12), raw_size, "LZFu",
                BitwiseCrc(content)) +
         content;
}

TEST(DecompressRtf, ReadsThePublishedExamples) {
  // The two examples of the compression's documentation: only literals and
  // preloaded text, and a reference that runs past the write position.
  const std::string simple(
      "\x2d\x00\x00\x00\x2b\x00\x00\x00\x4c\x5a\x46\x75\xf1\xc5\xc7\xa7\x03\x00\x0a\x00\x72\x63"
      "\x70\x67\x31\x32\x35\x42\x32\x0a\xf3\x20\x68\x65\x6c\x09\x00\x20\x62\x77\x05\xb0\x6c\x64"
      "\x7d\x0a\x80\x0f\xa0",
      49);
  EXPECT_EQ(DecompressRtf(simple), "{\\rtf1\\ansi\\ansicpg1252\\pard hello world}\r\n");
  const std::string repeated(
      "\x1a\x00\x00\x00\x1c\x00\x00\x00\x4c\x5a\x46\x75\xe2\xd4\x4b\x51\x41\x00\x04\x20\x57\x58"
      "\x59\x5a\x0d\x6e\x7d\x01\x0e\xb0",
      30);
  EXPECT_EQ(DecompressRtf(repeated), "{\\rtf1 WXYZWXYZWXYZWXYZWXYZ}");
}

TEST(DecompressRtf, RoundTripsTheTestCompressorsOutput) {
  std::string wrapping;  // past the 4096-byte dictionary, so references wrap around
  for (int i = 0; wrapping.size() < 9000; ++i) {
    wrapping += "{\\pard\\plain line " + std::to_string(i * 7919 % 1000) + "\\par}\r\n";
  }
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  const std::string inputs[] = {
      "",
      "x",
      "{\\rtf1\\ansi\\ansicpg932\\fromhtml1 {\\*\\htmltag64 <p>}\\'82\\'a0}",
      std::string(5000, 'a'),
      bytes + bytes,
      wrapping,
  };
  for (const std::string& raw : inputs) {
    const auto back = DecompressRtf(CompressLzfu(raw));
    ASSERT_TRUE(back.has_value()) << raw.size();
    EXPECT_EQ(*back, raw) << raw.size();
  }
}

TEST(DecompressRtf, CopiesUncompressedContentUpToTheRawSize) {
  EXPECT_EQ(DecompressRtf(Header(17, 5, "MELA", 0) + "{\\rtf}"), "{\\rtf");
  // A MELA value carries no CRC; whatever is in the field is ignored.
  EXPECT_EQ(DecompressRtf(Header(22, 6, "MELA", 1234) + "{\\rtf}tail"), "{\\rtf}");
}

TEST(DecompressRtf, RefusesValuesThatCannotBeTrusted) {
  const std::string good = CompressLzfu("{\\rtf1 hello hello}");
  std::string bad_crc = good;
  bad_crc[20] = static_cast<char>(bad_crc[20] ^ 0x01);
  struct Case {
    const char* name;
    std::string stored;
  };
  const Case cases[] = {
      {"empty", ""},
      {"short header", good.substr(0, 15)},
      {"other type", Header(12 + 4, 4, "ABCD", 0) + "text"},
      {"lower-case type", Header(12 + 4, 4, "lzfu", BitwiseCrc("text")) + "text"},
      {"size below the header fields", Header(11, 4, "MELA", 0) + "text"},
      {"content cut short", good.substr(0, good.size() - 1)},
      {"raw size over the cap", Header(12 + 4, kMaxRtfRawSize + 1, "MELA", 0) + "text"},
      {"CRC mismatch", bad_crc},
  };
  for (const Case& c : cases) EXPECT_EQ(DecompressRtf(c.stored), std::nullopt) << c.name;
  // Padding after the declared content is neither read nor checked.
  EXPECT_EQ(DecompressRtf(good + "pad"), "{\\rtf1 hello hello}");
}

TEST(DecompressRtf, StopsAtTheEndOfContentOrAtTheRawSize) {
  const std::string raw = "{\\rtf1 abcdefghijklmnopqrstuvwxyz}";
  const std::string content = CompressLzfu(raw).substr(16);
  // Content cut anywhere, with headers that agree: what was decoded so far
  // is given, all of it once only the end marker is missing.
  size_t last_size = 0;
  for (size_t keep = 1; keep < content.size(); ++keep) {
    const auto out = DecompressRtf(Lzfu(content.substr(0, keep), 1000));
    ASSERT_TRUE(out.has_value()) << keep;
    EXPECT_EQ(*out, raw.substr(0, out->size())) << keep;
    EXPECT_GE(out->size(), last_size) << keep;
    last_size = out->size();
  }
  EXPECT_EQ(last_size, raw.size());
  EXPECT_EQ(DecompressRtf(Lzfu(content, 10)), raw.substr(0, 10));
  // One 17-byte reference into the preloaded text, cut by the raw size.
  EXPECT_EQ(DecompressRtf(Lzfu(std::string("\x01\x00\x0F", 3), 5)), "{\\rtf");
}

}  // namespace
}  // namespace vorenta
