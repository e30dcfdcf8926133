// Every way the window closes writes the keyword file and the geometry file.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "control_state.h"
#include "file_bytes.h"
#include "newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

// One value line of the geometry file: sign place, digits, a space, CR LF.
std::string GeometryLine(long twips) {
  char line[32];
  std::snprintf(line, sizeof line, "%s%ld \r\n", twips < 0 ? "-" : " ", twips < 0 ? -twips : twips);
  return line;
}

std::string ExpectedGeometry(const RECT& rect) {
  const long t = static_cast<long>(TwipsPerPixel());
  return GeometryLine((rect.right - rect.left) * t) + GeometryLine((rect.bottom - rect.top) * t) +
         GeometryLine(rect.left * t) + GeometryLine(rect.top * t);
}

// The close button, found the way the system finds it: by hit-testing the caption.
std::optional<POINT> CloseButtonPoint(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  for (int y = rect.top + 1; y < rect.top + 40; y += 2) {
    for (int x = rect.right - 2; x > rect.right - 80; x -= 2) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        // A few pixels inside, away from the button's edge.
        return POINT{x - 6, y + 4};
      }
    }
  }
  return std::nullopt;
}

struct CloseWay {
  const char* name;
  // Closes the window; false when the way could not be taken at all.
  std::function<bool(VorentaSession&)> close;
  bool process_ends;
};

const CloseWay kCloseWays[] = {
    {"CloseBox",
     [](VorentaSession& v) {
       const std::optional<POINT> button = CloseButtonPoint(v.window());
       return button && Click(*button);
     },
     true},
    {"SystemMenuClose",
     [](VorentaSession& v) { return PostMessageW(v.window(), WM_SYSCOMMAND, SC_CLOSE, 0) != 0; },
     true},
    {"AltF4",
     [](VorentaSession& v) {
       if (!v.BringToFront()) return false;
       PressKey(VK_F4, kAlt);
       return true;
     },
     true},
    {"Shutdown",
     [](VorentaSession& v) {
       DWORD_PTR may_end = 0;
       if (!SendMessageTimeoutW(v.window(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000,
                                &may_end)) {
         return false;
       }
       EXPECT_NE(may_end, 0u) << "the program must not hold up the shutdown";
       DWORD_PTR ignored = 0;
       return SendMessageTimeoutW(v.window(), WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000,
                                  &ignored) != 0;
     },
     // Windows ends the process itself after WM_ENDSESSION.
     false},
};

class ClosingWritesBothFiles : public testing::TestWithParam<CloseWay> {};

TEST_P(ClosingWritesBothFiles, WithTheKeywordsAndTheWindowGeometry) {
  const std::string keyword_file = std::string(kSaleCp932) + "\r\n" + kFreePostageCp932 + "\r\n";
  VorentaSession vorenta({.keyword_file_bytes = keyword_file});
  const HWND window = vorenta.window();
  ASSERT_EQ(ListItems(vorenta.control(kKeywordList)).size(), 2u);
  // Only a rewrite at close can bring it back.
  ASSERT_TRUE(DeleteFileW(vorenta.PathOf(kKeywordFile).c_str()));

  SetWindowPos(window, nullptr, 30, 45, 600, 480, SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.left == 30 && rect.top == 45 && rect.right == 630 && rect.bottom == 525;
  }));
  RECT rect{};
  GetWindowRect(window, &rect);

  ASSERT_TRUE(GetParam().close(vorenta));
  if (GetParam().process_ends) {
    ASSERT_TRUE(vorenta.WaitForExit()) << "the window did not close";
  }
  EXPECT_TRUE(WaitUntil([&] {
    return ReadFileBytes(vorenta.PathOf(kKeywordFile)) == keyword_file &&
           ReadFileBytes(vorenta.PathOf(kGeometryFile)) == ExpectedGeometry(rect);
  })) << "keyword file: "
      << ReadFileBytes(vorenta.PathOf(kKeywordFile)).value_or("(none)")
      << "\ngeometry file: " << ReadFileBytes(vorenta.PathOf(kGeometryFile)).value_or("(none)")
      << "\nexpected geometry: " << ExpectedGeometry(rect);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingWritesBothFiles, testing::ValuesIn(kCloseWays),
                         [](const testing::TestParamInfo<CloseWay>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vorenta_e2e
