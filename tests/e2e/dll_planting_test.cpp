// DLLs named like system DLLs and lying beside the program (a Downloads
// folder) are never loaded, through a whole paste-and-search session. Such a
// stand-in exports nothing, so a program that loads one may also fail to start.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_state.h"
#include "gestures.h"
#include "newsletter.h"
#include "program_paths.h"
#include "text_convert.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

std::vector<std::wstring> FileNamesIn(const std::wstring& folder, const wchar_t* pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\" + pattern).c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(entry.cFileName);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return names;
}

// The marks the planted DLLs leave when loaded, as "version.loaded uxtheme.loaded".
std::string MarksIn(const std::wstring& folder) {
  std::wstring marks;
  for (const std::wstring& name : FileNamesIn(folder, L"*.loaded")) marks += name + L" ";
  return Utf8(U16(marks));
}

TEST(DllPlanting, SystemDllNamesBesideTheProgramAreNeverLoaded) {
  const std::wstring& planted_folder = Programs().planted_dll_folder;
  const std::vector<std::wstring> dlls = FileNamesIn(planted_folder, L"*.dll");
  ASSERT_FALSE(dlls.empty()) << "no DLLs to plant in " << Utf8(U16(planted_folder));

  SessionOptions options{.keyword_file_bytes = std::string(kSaleCp932) + "\r\n"};
  for (const std::wstring& dll : dlls) {
    options.files_beside.push_back(planted_folder + L"\\" + dll);
    options.native_first_dlls.push_back(dll.substr(0, dll.rfind(L'.')));
  }
  VorentaSession vorenta(options);
  EXPECT_EQ(MarksIn(vorenta.folder()), "") << "loaded while starting";

  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));
  Search(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return SelectedIndexes(pane) == std::vector<int>{kSaleLine}; }));
  PostMessageW(vorenta.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(vorenta.WaitForExit());

  EXPECT_EQ(MarksIn(vorenta.folder()), "") << "loaded during a paste, a search and closing";
}

}  // namespace
}  // namespace vorenta_e2e
