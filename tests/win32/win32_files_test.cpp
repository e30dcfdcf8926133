// Win32Files and the settings store against real files under Wine: locked
// and read-only files, folders where nothing can be written, a replacement
// that fails after the new content is on disk, and folder names that the
// ANSI code page cannot hold.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/ansi_codec.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_files.h"
#include "settings/settings_store.h"

namespace vorenta {
namespace {

using Keywords = std::vector<std::u16string>;
using Names = std::set<std::wstring>;

// The child mode of this program: started from a copy in another folder, it
// saves a keyword file into its own folder and leaves.
constexpr wchar_t kChildVariable[] = L"VORENTA_FILES_TEST_CHILD";

std::wstring TempFolderName() {
  static int counter = 0;
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  std::wstring name(temp, length);
  return name + L"vorenta-files-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
}

void DeleteTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
}

Names NamesIn(const std::wstring& folder) {
  Names names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.insert(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

void WriteRaw(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  ASSERT_EQ(written, bytes.size());
  CloseHandle(file);
}

std::string ReadRaw(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

// A handle that holds a file open and shares nothing, as another program
// writing it would.
class Lock {
 public:
  explicit Lock(const std::wstring& path)
      : h_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~Lock() { Release(); }
  bool held() const { return h_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (held()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

// Win32Files with the executable's folder moved, so that the store can be
// run in any folder.
class FilesIn : public Win32Files {
 public:
  explicit FilesIn(std::wstring folder) : folder_(FromWide(folder)) {}
  std::u16string ExecutableFolder() const override { return folder_; }

 private:
  std::u16string folder_;
};

class Win32FilesTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)); }
  // The long form reaches folders deeper than MAX_PATH too.
  void TearDown() override { DeleteTree(L"\\\\?\\" + folder_); }

  std::wstring PathOf(const wchar_t* name) const { return folder_ + L"\\" + name; }
  std::u16string Path16(const wchar_t* name) const { return FromWide(PathOf(name)); }

  const std::wstring folder_ = TempFolderName();
  Win32Files files_;
};

// Reading.

TEST_F(Win32FilesTest, ReadsAWholeFileWithEveryByteValue) {
  std::string bytes;
  for (int round = 0; round < 40000; ++round) {
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  }
  WriteRaw(PathOf(L"all.bin"), bytes);
  const FileContent content = files_.Read(Path16(L"all.bin"));
  EXPECT_EQ(content.status, ReadStatus::kOk);
  EXPECT_TRUE(content.bytes == bytes) << "10 MB with NUL bytes, read whole";
}

TEST_F(Win32FilesTest, AnEmptyFileIsReadAsEmpty) {
  WriteRaw(PathOf(L"empty"), "");
  const FileContent content = files_.Read(Path16(L"empty"));
  EXPECT_EQ(content.status, ReadStatus::kOk);
  EXPECT_EQ(content.bytes, "");
}

TEST_F(Win32FilesTest, AMissingFileOrFolderIsMissing) {
  EXPECT_EQ(files_.Read(Path16(L"none.dat")).status, ReadStatus::kMissing);
  EXPECT_EQ(files_.Read(Path16(L"no folder\\none.dat")).status, ReadStatus::kMissing);
}

TEST_F(Win32FilesTest, ReadStartStopsAtTheLimitAndReadsShorterFilesWhole) {
  const std::string bytes = std::string(100000, 'a') + std::string("\0b\r\n", 4);
  WriteRaw(PathOf(L"long.txt"), bytes);
  const FileContent start = files_.ReadStart(Path16(L"long.txt"), 100001);
  EXPECT_EQ(start.status, ReadStatus::kOk);
  EXPECT_TRUE(start.bytes == bytes.substr(0, 100001));
  EXPECT_TRUE(files_.ReadStart(Path16(L"long.txt"), 1 << 20).bytes == bytes);
  EXPECT_EQ(files_.ReadStart(Path16(L"none.txt"), 10).status, ReadStatus::kMissing);
  Lock lock(PathOf(L"long.txt"));
  ASSERT_TRUE(lock.held());
  EXPECT_EQ(files_.ReadStart(Path16(L"long.txt"), 10).status, ReadStatus::kFailed);
}

TEST_F(Win32FilesTest, AFileLockedByAnotherHandleCannotBeRead) {
  WriteRaw(PathOf(L"locked.dat"), "x\r\n");
  Lock lock(PathOf(L"locked.dat"));
  ASSERT_TRUE(lock.held());
  EXPECT_EQ(files_.Read(Path16(L"locked.dat")).status, ReadStatus::kFailed);
}

TEST_F(Win32FilesTest, AFolderIsNoFileToRead) {
  ASSERT_TRUE(CreateDirectoryW(PathOf(L"sub").c_str(), nullptr));
  EXPECT_EQ(files_.Read(Path16(L"sub")).status, ReadStatus::kFailed);
}

TEST_F(Win32FilesTest, AFileAnotherProgramOnlyReadsCanBeRead) {
  WriteRaw(PathOf(L"shared.dat"), "x\r\n");
  HANDLE reader = CreateFileW(PathOf(L"shared.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files_.Read(Path16(L"shared.dat")).bytes, "x\r\n");
  CloseHandle(reader);
}

// Replacing.

TEST_F(Win32FilesTest, ReplaceCreatesAFileWhereThereIsNone) {
  EXPECT_TRUE(files_.Replace(Path16(L"new.dat"), "a\r\n"));
  EXPECT_EQ(ReadRaw(PathOf(L"new.dat")), "a\r\n");
  EXPECT_EQ(NamesIn(folder_), Names{L"new.dat"});
}

TEST_F(Win32FilesTest, ReplaceReplacesTheWholeOldFile) {
  WriteRaw(PathOf(L"old.dat"), "a much longer old content\r\n");
  EXPECT_TRUE(files_.Replace(Path16(L"old.dat"), "b\r\n"));
  EXPECT_EQ(ReadRaw(PathOf(L"old.dat")), "b\r\n");
  EXPECT_TRUE(files_.Replace(Path16(L"old.dat"), ""));
  EXPECT_EQ(ReadRaw(PathOf(L"old.dat")), "");
  EXPECT_EQ(NamesIn(folder_), Names{L"old.dat"});
}

TEST_F(Win32FilesTest, ALockedFileIsKeptAndNoTemporaryFileIsLeft) {
  // The new content is written and flushed, then putting it in place fails:
  // a save that fails halfway.
  WriteRaw(PathOf(L"locked.dat"), "old\r\n");
  Lock lock(PathOf(L"locked.dat"));
  ASSERT_TRUE(lock.held());
  // Renaming over it is refused as "access denied"; the cause is told.
  EXPECT_EQ(files_.Replace(Path16(L"locked.dat"), "new\r\n").error, kErrorSharingViolation);
  EXPECT_EQ(files_.Read(Path16(L"locked.dat")).error, kErrorSharingViolation);
  lock.Release();
  EXPECT_EQ(ReadRaw(PathOf(L"locked.dat")), "old\r\n");
  EXPECT_EQ(NamesIn(folder_), Names{L"locked.dat"});
}

TEST_F(Win32FilesTest, AReadOnlyFileIsKeptAndNoTemporaryFileIsLeft) {
  WriteRaw(PathOf(L"ro.dat"), "old\r\n");
  ASSERT_TRUE(SetFileAttributesW(PathOf(L"ro.dat").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(files_.Replace(Path16(L"ro.dat"), "new\r\n").error, kErrorAccessDenied);
  EXPECT_EQ(ReadRaw(PathOf(L"ro.dat")), "old\r\n");
  EXPECT_EQ(NamesIn(folder_), Names{L"ro.dat"});
  EXPECT_NE(GetFileAttributesW(PathOf(L"ro.dat").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(Win32FilesTest, AFolderInTheFilesPlaceIsKeptAndNoTemporaryFileIsLeft) {
  ASSERT_TRUE(CreateDirectoryW(PathOf(L"SMdata1.dat").c_str(), nullptr));
  EXPECT_FALSE(files_.Replace(Path16(L"SMdata1.dat"), "new\r\n"));
  EXPECT_NE(GetFileAttributesW(PathOf(L"SMdata1.dat").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(NamesIn(folder_), Names{L"SMdata1.dat"});
}

TEST_F(Win32FilesTest, FilesBeginningWithANameAreListedWithoutFolders) {
  WriteRaw(PathOf(L"SMdata1.dat"), "a");
  WriteRaw(PathOf(L"smdata1.dat.1-2.tmp"), "b");
  WriteRaw(PathOf(L"other.dat"), "c");
  ASSERT_TRUE(CreateDirectoryW(PathOf(L"SMdata1.dat.dir").c_str(), nullptr));
  Names names;
  for (const FolderEntry& entry : files_.FilesStartingWith(FromWide(folder_), u"SMdata1.dat")) {
    names.insert(std::wstring(entry.name.begin(), entry.name.end()));
    EXPECT_GT(entry.modified, 0u);
  }
  EXPECT_EQ(names, (Names{L"SMdata1.dat", L"smdata1.dat.1-2.tmp"}));
  EXPECT_TRUE(files_.Delete(Path16(L"smdata1.dat.1-2.tmp")));
  EXPECT_EQ(files_.FilesStartingWith(FromWide(folder_), u"smdata1.dat.").size(), 0u);
}

TEST_F(Win32FilesTest, FilesInAFolderDeeperThanMaxPathAreReadAndReplaced) {
  std::wstring deep = folder_;
  while (deep.size() < MAX_PATH) {
    deep += L"\\" + std::wstring(50, L'd');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
  }
  const std::u16string path = FromWide(deep + L"\\SMdata1.dat");
  EXPECT_TRUE(files_.Replace(path, "first\r\n"));
  EXPECT_TRUE(files_.Replace(path, "second\r\n"));
  EXPECT_EQ(files_.Read(path).bytes, "second\r\n");
  EXPECT_EQ(NamesIn(L"\\\\?\\" + deep), Names{L"SMdata1.dat"});
}

TEST_F(Win32FilesTest, AMissingFolderFailsQuietly) {
  EXPECT_FALSE(files_.Replace(Path16(L"no folder\\x.dat"), "new\r\n"));
  EXPECT_EQ(NamesIn(folder_), Names{});
}

// A folder in which nothing can be created. Windows makes one with an access
// list, which Wine does not enforce, and the tests run as root, which file
// modes do not stop; a folder of Linux's /proc file system refuses new files
// to everyone.
TEST_F(Win32FilesTest, AFolderWhereNothingCanBeCreatedKeepsItsFileQuietly) {
  using ToDos = LPWSTR(CDECL*)(LPCSTR);
  const auto to_dos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (to_dos == nullptr) GTEST_SKIP() << "not under Wine";
  LPWSTR dos = to_dos("/proc/version");
  ASSERT_NE(dos, nullptr);
  const std::wstring path = dos;
  HeapFree(GetProcessHeap(), 0, dos);
  const std::string before = ReadRaw(path);
  ASSERT_NE(before, "<unreadable>");

  EXPECT_EQ(files_.Read(FromWide(path)).bytes, before);
  EXPECT_FALSE(files_.Replace(FromWide(path), "new\r\n"));
  EXPECT_EQ(ReadRaw(path), before);
}

TEST_F(Win32FilesTest, TheExecutableFolderHoldsThisProgram) {
  const std::u16string folder = files_.ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), u'\\');
  wchar_t module[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  ASSERT_GT(length, folder.size());
  EXPECT_EQ(std::wstring(module, folder.size()), ToWide(folder));
  EXPECT_EQ(module[folder.size()], L'\\');
}

TEST_F(Win32FilesTest, TheExecutablePathBufferGrowsUntilThePathFits) {
  const std::u16string folder = files_.ExecutableFolder();
  for (size_t initial : {1, 2, 7, 16}) {
    EXPECT_EQ(ExecutableFolderFrom(initial), folder) << initial;
  }
}

// The settings store on real files.

const std::string kSale = "\x83\x5A\x81\x5B\x83\x8B";  // セール

class StoreOnDisk : public Win32FilesTest {
 protected:
  // A folder name that code page 932 cannot hold.
  void SetUp() override {
    Win32FilesTest::SetUp();
    ASSERT_TRUE(CreateDirectoryW(app_folder_.c_str(), nullptr));
  }
  std::wstring AppPath(const wchar_t* name) const { return app_folder_ + L"\\" + name; }

  const std::wstring app_folder_ = folder_ + L"\\\U0001F600\uD55C\u30C4\u30FC\u30EB";
  std::unique_ptr<AnsiCodec> codec_ = MakeSystemAnsiCodec();
  FilesIn app_files_{app_folder_};
  SettingsStore store_{app_files_, *codec_};
};

TEST_F(StoreOnDisk, KeywordsAndGeometryRoundTripInAFolderNamedOutsideTheCodePage) {
  const Keywords keywords = {u"セール", u"", u" a,b ", u"送料無料"};
  store_.SaveKeywords(keywords, /*edited_during_run=*/true);
  store_.SaveGeometry(8685.714f, 6000, -480000, 120);
  EXPECT_EQ(ReadRaw(AppPath(L"SMdata1.dat")),
            kSale + "\r\n\r\n\" a,b \"\r\n" + "\x91\x97\x97\xBF\x96\xB3\x97\xBF\r\n");
  EXPECT_EQ(ReadRaw(AppPath(L"SMdata2.dat")), " 8685.714 \r\n 6000 \r\n-480000 \r\n 120 \r\n");
  EXPECT_EQ(store_.LoadKeywords(), keywords);
  EXPECT_EQ(NamesIn(app_folder_), (Names{L"SMdata1.dat", L"SMdata2.dat"}));
}

TEST_F(StoreOnDisk, AKeywordOutsideTheCodePageIsSavedAsUtf8) {
  const Keywords keywords = {u"😀", u"セール"};
  store_.SaveKeywords(keywords, /*edited_during_run=*/true);
  EXPECT_EQ(ReadRaw(AppPath(L"SMdata1.dat")),
            "\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n\xE3\x82\xBB\xE3\x83\xBC\xE3\x83\xAB\r\n");
  EXPECT_EQ(store_.LoadKeywords(), keywords);
}

TEST_F(StoreOnDisk, AKeywordFileLockedAtStartIsKeptAtClose) {
  WriteRaw(AppPath(L"SMdata1.dat"), kSale + "\r\n");
  {
    Lock lock(AppPath(L"SMdata1.dat"));
    ASSERT_TRUE(lock.held());
    EXPECT_EQ(store_.LoadKeywords(), Keywords{});
  }
  store_.SaveKeywords({}, /*edited_during_run=*/false);
  EXPECT_EQ(ReadRaw(AppPath(L"SMdata1.dat")), kSale + "\r\n");
}

TEST_F(StoreOnDisk, AKeywordFileLockedAtCloseIsKeptAndTheProgramGoesOn) {
  WriteRaw(AppPath(L"SMdata1.dat"), kSale + "\r\n");
  EXPECT_EQ(store_.LoadKeywords(), Keywords{u"セール"});
  Lock lock(AppPath(L"SMdata1.dat"));
  ASSERT_TRUE(lock.held());
  store_.SaveKeywords({u"new"}, /*edited_during_run=*/true);
  store_.SaveGeometry(1, 2, 3, 4);
  lock.Release();
  EXPECT_EQ(ReadRaw(AppPath(L"SMdata1.dat")), kSale + "\r\n");
  EXPECT_EQ(NamesIn(app_folder_), (Names{L"SMdata1.dat", L"SMdata2.dat"}));
}

// The real executable folder: a copy of this program, started from a folder
// whose name code page 932 cannot hold, saves its keyword file there. (Wine
// starts no program from a path longer than MAX_PATH; the growing buffer is
// tried below with small starting sizes instead.)
TEST_F(Win32FilesTest, AProgramInAFolderNamedOutsideTheCodePageFindsItsFolder) {
  std::wstring deep = folder_ + L"\\\U0001F600\uD55C";
  ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
  deep += L"\\" + std::wstring(60, L'a');
  ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
  std::vector<wchar_t> self(32768);
  const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
  ASSERT_GT(length, 0u);
  const std::wstring copy = deep + L"\\child.exe";
  ASSERT_TRUE(CopyFileW(self.data(), copy.c_str(), TRUE));

  std::wstring command = L"\"" + copy + L"\" --gtest_filter=Child.SavesAKeywordFileBesideItself";
  ASSERT_TRUE(SetEnvironmentVariableW(kChildVariable, L"1"));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &process);
  const DWORD start_error = GetLastError();
  SetEnvironmentVariableW(kChildVariable, nullptr);
  ASSERT_TRUE(started) << "error " << start_error;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD exit_code = 1;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(exit_code, 0u);
  EXPECT_EQ(ReadRaw(deep + L"\\SMdata1.dat"), kSale + "\r\n");
}

TEST(Child, SavesAKeywordFileBesideItself) {
  if (GetEnvironmentVariableW(kChildVariable, nullptr, 0) == 0) GTEST_SKIP() << "child mode only";
  Win32Files files;
  const auto codec = MakeSystemAnsiCodec();
  SettingsStore store(files, *codec);
  store.SaveKeywords({u"セール"}, /*edited_during_run=*/true);
}

}  // namespace
}  // namespace vorenta
