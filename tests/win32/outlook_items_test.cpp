// Outlook items made through the system's structured storage, as Outlook
// saves them, read back through it and shown as the mail pane shows them.

#include "platform/win32/win32_outlook_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mail_text.h"
#include "mail/outlook_mail.h"
#include "platform/win32/scoped_win32.h"

namespace vorenta {
namespace {

using Lines = std::vector<std::u16string>;
using Streams = std::vector<std::pair<std::wstring, std::string>>;

std::string Utf16Le(std::u16string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// The property stream of a top-level message: a 32-byte header, then one
// 16-byte entry per fixed-size property.
std::string FixedProperties(const std::vector<std::pair<std::uint32_t, std::int64_t>>& values) {
  std::string stream(32, '\0');
  for (const auto& [tag, value] : values) {
    std::string entry(16, '\0');
    for (int i = 0; i < 4; ++i) entry[i] = static_cast<char>(tag >> (8 * i));
    for (int i = 0; i < 8; ++i) entry[8 + i] = static_cast<char>(value >> (8 * i));
    stream += entry;
  }
  return stream;
}

// The file an item of these streams makes; deleted with the object.
class ItemFile {
 public:
  explicit ItemFile(const Streams& streams) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"vorenta-item-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(++counter_) + L".msg";
    ComRef<IStorage> storage;
    if (FAILED(StgCreateDocfile(path_.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                0, storage.out()))) {
      return;
    }
    for (const auto& [name, bytes] : streams) {
      ComRef<IStream> stream;
      if (FAILED(storage->CreateStream(
              name.c_str(), STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream.out()))) {
        return;
      }
      ULONG written = 0;
      stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    }
    made_ = SUCCEEDED(storage->Commit(STGC_DEFAULT));
  }
  ~ItemFile() { DeleteFileW(path_.c_str()); }
  bool made() const { return made_; }
  std::u16string path() const { return std::u16string(path_.begin(), path_.end()); }

 private:
  static inline int counter_ = 0;
  std::wstring path_;
  bool made_ = false;
};

// Which property gives the body, and in which code page, is settled by the
// pure reader's tests; here the streams of each type come back through the
// system's storage: a Unicode string, the property stream and a binary body.
TEST(OutlookItems, AnItemIsReadThroughTheSystemsStorage) {
  const ItemFile file({{L"__substg1.0_0037001F", Utf16Le(u"冬のセール")},
                       {L"__substg1.0_10130102",
                        "<p>\x83\x5A\x81\x5B\x83\x8B <a href=\"https://x.example/a\">a</a>"},
                       {L"__properties_version1.0", FixedProperties({{0x3FDE0003, 932}})}});
  ASSERT_TRUE(file.made());
  std::uint32_t error = 0;
  const auto item = Win32OutlookItemFiles().Read(file.path(), error);
  ASSERT_TRUE(item.has_value()) << error;
  const OutlookMailText mail = ReadOutlookMail(*item, *MakeCodePage932Codec(), 9 * 60);
  Lines lines;
  MailLineReader reader(mail.mail.text);
  std::u16string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (Lines{u"件名: 冬のセール", u"", u"セール a https://x.example/a"}));
}

TEST(OutlookItems, AFileThatIsNoCompoundFileIsNotRead) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"vorenta-not-an-item.msg";
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "just text", 9, &written, nullptr);
  CloseHandle(file);
  std::uint32_t error = 0;
  EXPECT_FALSE(Win32OutlookItemFiles().Read(std::u16string(path.begin(), path.end()), error));
  EXPECT_NE(error, 0u);
  DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace vorenta
