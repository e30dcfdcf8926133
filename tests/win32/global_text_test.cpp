#include "platform/win32/global_text.h"

#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace vorenta {
namespace {

using testing::GlobalWithBytes;
using testing::WideBytes;

// "セール" in code page 932.
constexpr char kSaleSjis[] = "\x83\x5A\x81\x5B\x83\x8B";

class GlobalBlock {
 public:
  explicit GlobalBlock(HGLOBAL memory) : memory_(memory) {}
  ~GlobalBlock() { GlobalFree(memory_); }
  HGLOBAL get() const { return memory_; }

 private:
  HGLOBAL memory_;
};

TEST(ReadWideText, StopsAtTheEndOfTheBlockWhenThereIsNoNul) {
  GlobalBlock block(GlobalWithBytes(WideBytes(u"http://a.jp")));
  EXPECT_EQ(ReadWideText(block.get()), u"http://a.jp");
}

TEST(ReadWideText, StopsAtTheFirstNul) {
  GlobalBlock block(GlobalWithBytes(WideBytes(std::u16string(u"ab\0junk", 7))));
  EXPECT_EQ(ReadWideText(block.get()), u"ab");
}

TEST(ReadWideText, IgnoresAnOddTrailingByte) {
  GlobalBlock block(GlobalWithBytes(WideBytes(u"ab") + "x"));
  EXPECT_EQ(ReadWideText(block.get()), u"ab");
}

TEST(ReadWideText, KeepsCharactersOutsideCodePage932) {
  const std::u16string text = u"\U0001F600 \u00E9\u20AC";
  GlobalBlock block(GlobalWithBytes(WideBytes(text)));
  EXPECT_EQ(ReadWideText(block.get()), text);
}

TEST(ReadAnsiText, DecodesCodePage932BoundedByTheBlock) {
  GlobalBlock block(GlobalWithBytes(kSaleSjis));
  EXPECT_EQ(ReadAnsiText(block.get()), u"セール");
}

TEST(ReadAnsiText, StopsAtTheFirstNul) {
  GlobalBlock block(GlobalWithBytes(std::string("ab\0cd", 5)));
  EXPECT_EQ(ReadAnsiText(block.get()), u"ab");
}

TEST(GlobalText, NoBlockReadsAsEmpty) {
  EXPECT_EQ(ReadWideText(nullptr), u"");
  EXPECT_EQ(ReadAnsiText(nullptr), u"");
}

TEST(MakeWideText, WritesTheTextAndATerminatingNul) {
  GlobalBlock block(MakeWideText(u"セール"));
  ASSERT_NE(block.get(), nullptr);
  ASSERT_EQ(GlobalSize(block.get()), 4 * sizeof(char16_t));
  EXPECT_EQ(ReadWideText(block.get()), u"セール");
}

TEST(MakeAnsiText, WritesCodePage932AndATerminatingNul) {
  GlobalBlock block(MakeAnsiText(u"セール"));
  ASSERT_NE(block.get(), nullptr);
  ASSERT_EQ(GlobalSize(block.get()), sizeof(kSaleSjis));
  const auto* bytes = static_cast<const char*>(GlobalLock(block.get()));
  EXPECT_EQ(std::string(bytes, sizeof(kSaleSjis)), std::string(kSaleSjis, sizeof(kSaleSjis)));
  GlobalUnlock(block.get());
}

TEST(AnsiConversion, RoundTripsJapaneseAndAscii) {
  const std::u16string text = u"送料無料 http://example.jp/?a=1";
  EXPECT_EQ(AnsiToWide(WideToAnsi(text).data(), static_cast<int>(WideToAnsi(text).size())), text);
}

}  // namespace
}  // namespace vorenta
