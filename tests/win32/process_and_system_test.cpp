#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_process_starter.h"
#include "platform/win32/win32_system_calls.h"
#include "win32_test_support.h"

namespace vorenta {
namespace {

using testing::HostWindow;

TEST(ProcessStarter, StartsAProgramAndReportsIt) {
  Win32ProcessStarter starter;
  // The system folder is searched for a program named without a path.
  EXPECT_TRUE(starter.Start(u"cmd.exe /c exit 0", SW_SHOWNOACTIVATE));
}

TEST(ProcessStarter, AMissingProgramIsAFailureNotACrash) {
  Win32ProcessStarter starter;
  EXPECT_FALSE(starter.Start(u"\"C:\\No Such Folder\\Iexplore.exe\" http://example.jp/", 4));
  EXPECT_FALSE(starter.Start(u"", 4));
}

TEST(SystemCalls, TopmostPlacementReachesTheWindow) {
  HostWindow window;
  Win32SystemCalls system;
  const auto handle = reinterpret_cast<std::intptr_t>(window.hwnd());
  EXPECT_NE(system.SetWindowPos(handle, -1, 0, 0, 0, 0, 67), 0);
  EXPECT_TRUE(GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));  // SWP_SHOWWINDOW is part of 67
  EXPECT_NE(system.SetWindowPos(handle, -2, 0, 0, 0, 0, 67), 0);
  EXPECT_FALSE(GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(SystemCalls, AFailedCallReturnsZero) {
  Win32SystemCalls system;
  EXPECT_EQ(system.SetWindowPos(0x7fff0000, -1, 0, 0, 0, 0, 67), 0);
}

TEST(SystemCalls, ModuleFileNameIsTheBytesOfThisProgramsPath) {
  Win32SystemCalls system;
  std::string buffer(256, ' ');
  const std::uint32_t count = system.GetModuleFileNameA(buffer.data(), 256);
  ASSERT_GT(count, 0u);
  ASSERT_LT(count, 256u);
  EXPECT_EQ(buffer[count], '\0');
  const std::string path = buffer.substr(0, count);
  EXPECT_EQ(path.find('\0'), std::string::npos);
  EXPECT_NE(path.find(".exe"), std::string::npos) << path;
}

}  // namespace
}  // namespace vorenta
