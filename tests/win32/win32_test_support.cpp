#include "win32_test_support.h"

#include <gtest/gtest.h>

namespace vorenta::testing {

namespace {

constexpr wchar_t kHostClass[] = L"VorentaTestHost";

// OLE for the whole test program: drag and drop needs it on this thread.
class OleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

[[maybe_unused]] const auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

void RegisterHostClass() {
  static const bool registered = [] {
    WNDCLASSW host{};
    host.lpszClassName = kHostClass;
    host.lpfnWndProc = DefWindowProcW;
    host.hInstance = GetModuleHandleW(nullptr);
    return RegisterClassW(&host) != 0;
  }();
  (void)registered;
}

}  // namespace

HostWindow::HostWindow(bool visible) {
  RegisterHostClass();
  hwnd_ = CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                          0, 0, 640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

RECT ChildRect(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string WideBytes(const std::u16string& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}

}  // namespace vorenta::testing
