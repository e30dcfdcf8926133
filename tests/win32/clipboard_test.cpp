#include "platform/win32/win32_clipboard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "win32_test_support.h"

namespace vorenta {
namespace {

using testing::GlobalWithBytes;
using testing::HostWindow;
using testing::WideBytes;

constexpr char kSaleSjis[] = "\x83\x5A\x81\x5B\x83\x8B";  // セール

// Puts raw blocks on the clipboard, as another program would.
void PutRaw(HWND owner, std::initializer_list<std::pair<UINT, std::string>> formats) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  for (const auto& [format, bytes] : formats) SetClipboardData(format, GlobalWithBytes(bytes));
  CloseClipboard();
}

std::string RawAnsiText() {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return "<not opened>";
  if (HANDLE memory = GetClipboardData(CF_TEXT)) {
    const auto* text = static_cast<const char*>(GlobalLock(memory));
    bytes = text ? std::string(text, strnlen(text, GlobalSize(memory))) : "";
    GlobalUnlock(memory);
  }
  CloseClipboard();
  return bytes;
}

// Holds the clipboard open on another thread until released.
class ClipboardHolder {
 public:
  ClipboardHolder() {
    thread_ = std::thread([this] {
      opened_ = OpenClipboard(nullptr) != FALSE;
      ready_ = true;
      while (!release_) Sleep(5);
      if (opened_) CloseClipboard();
    });
    while (!ready_) Sleep(1);
  }
  ~ClipboardHolder() {
    Release();
    thread_.join();
  }
  void Release() { release_ = true; }
  bool opened() const { return opened_; }

 private:
  std::thread thread_;
  std::atomic<bool> ready_{false};
  std::atomic<bool> opened_{false};
  std::atomic<bool> release_{false};
};

class ClipboardTest : public ::testing::Test {
 protected:
  HostWindow owner_;
  Win32Clipboard clipboard_{owner_.hwnd()};
};

TEST_F(ClipboardTest, TextWrittenIsReadBackWhole) {
  const std::u16string text = u"詳しくは http://example.jp/a?b=1 \U0001F600";
  ASSERT_TRUE(clipboard_.SetText(text));
  EXPECT_EQ(clipboard_.Text(), text);
}

TEST_F(ClipboardTest, WrittenTextIsOfferedToAnsiReadersInCodePage932) {
  ASSERT_TRUE(clipboard_.SetText(u"セール"));
  EXPECT_EQ(RawAnsiText(), kSaleSjis);
}

TEST_F(ClipboardTest, TheWindowOwnsWhatItWrote) {
  ASSERT_TRUE(clipboard_.SetText(u"x"));
  EXPECT_EQ(GetClipboardOwner(), owner_.hwnd());
}

TEST_F(ClipboardTest, ReadsAnsiTextWhenNoUnicodeTextIsOffered) {
  PutRaw(owner_.hwnd(), {{CF_TEXT, std::string(kSaleSjis) + '\0'}});
  EXPECT_EQ(clipboard_.Text(), u"セール");
}

TEST_F(ClipboardTest, PrefersUnicodeTextOverAnsiText) {
  PutRaw(owner_.hwnd(), {{CF_UNICODETEXT, WideBytes(std::u16string(u"\U0001F600 wide") + u'\0')},
                         {CF_TEXT, std::string("? ansi") + '\0'}});
  EXPECT_EQ(clipboard_.Text(), u"\U0001F600 wide");
}

// Text that another program put there without a terminating NUL must not be
// read past its block. Windows hands the block over as it was set; Wine
// writes a NUL into its last character, so there the text comes back one
// character short. Either way nothing from beyond the block appears.
TEST_F(ClipboardTest, UnicodeTextWithoutNulEndsWithinTheBlock) {
  PutRaw(owner_.hwnd(), {{CF_UNICODETEXT, WideBytes(u"a\r\nbc")}});
  const auto text = clipboard_.Text();
  ASSERT_TRUE(text.has_value());
  EXPECT_TRUE(*text == u"a\r\nbc" || *text == u"a\r\nb") << text->size();
}

TEST_F(ClipboardTest, AnsiTextWithoutNulEndsWithinTheBlock) {
  PutRaw(owner_.hwnd(), {{CF_TEXT, std::string(kSaleSjis) + "ab"}});
  const auto text = clipboard_.Text();
  ASSERT_TRUE(text.has_value());
  EXPECT_TRUE(*text == u"セールab" || *text == u"セールa") << text->size();
}

TEST_F(ClipboardTest, NoTextReadsAsEmptyNotAsFailure) {
  const UINT private_format = RegisterClipboardFormatW(L"VorentaTestPrivate");
  PutRaw(owner_.hwnd(), {{private_format, "data"}});
  EXPECT_EQ(clipboard_.Text(), u"");
  PutRaw(owner_.hwnd(), {});
  EXPECT_EQ(clipboard_.Text(), u"");
}

TEST_F(ClipboardTest, ClearRemovesTheText) {
  ASSERT_TRUE(clipboard_.SetText(u"old"));
  ASSERT_TRUE(clipboard_.Clear());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(clipboard_.Text(), u"");
}

TEST(ClipboardHeldElsewhere, ReadGivesUpAfterRetryingAndReportsFailure) {
  HostWindow owner;
  Win32Clipboard clipboard(owner.hwnd(), ClipboardRetry{5, 20});
  ClipboardHolder holder;
  ASSERT_TRUE(holder.opened());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(clipboard.Text(), std::nullopt);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(70));
  EXPECT_FALSE(clipboard.SetText(u"x"));
  EXPECT_FALSE(clipboard.Clear());
}

TEST(ClipboardHeldElsewhere, ReadSucceedsWhenTheOtherProgramLetsGoInTime) {
  HostWindow owner;
  Win32Clipboard writer(owner.hwnd());
  ASSERT_TRUE(writer.SetText(u"mail"));
  Win32Clipboard clipboard(owner.hwnd(), ClipboardRetry{20, 50});
  ClipboardHolder holder;
  ASSERT_TRUE(holder.opened());
  std::thread releaser([&] {
    Sleep(150);
    holder.Release();
  });
  EXPECT_EQ(clipboard.Text(), u"mail");
  releaser.join();
}

}  // namespace
}  // namespace vorenta
