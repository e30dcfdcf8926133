// What a screen reader finds from outside the program: a name for every
// control, and the hints the empty boxes show instead of text.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "control_state.h"
#include "real_input.h"
#include "screen_pixels.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

// The name the accessibility layer gives the control, as a screen reader in
// another process asks for it.
std::u16string AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  // Not IID_IAccessible: linked from oleacc's import library it names a
  // thunk, not the identifier.
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return u"(no accessible object)";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT result = accessible->get_accName(self, &name);
  accessible->Release();
  if (FAILED(result) || !name) return u"(no name)";
  std::u16string text(name, name + SysStringLen(name));
  SysFreeString(name);
  return text;
}

TEST(AccessibleNames, EveryControlHasItsJapaneseNameForScreenReaders) {
  const HRESULT com = OleInitialize(nullptr);
  {
    VorentaSession vorenta;
    const std::pair<int, std::u16string> names[] = {
        {kSearchButton, u"検索"},          {kMailPane, u"メール"},
        {kKeywordList, u"キーワード一覧"}, {kAddressBox, u"URL"},
        {kKeywordBox, u"キーワード入力"},
    };
    for (const auto& [id, name] : names) {
      EXPECT_EQ(AccessibleName(vorenta.control(id)), name) << "control " << id;
    }
  }
  if (SUCCEEDED(com)) OleUninitialize();
}

// How far apart the leftmost and rightmost pixels in the control's client
// area lie that differ from its background: 0 for an empty box, a caret
// at most 2, a line of text much more.
int InkWidth(HWND control) {
  const ScreenPixels shot = CaptureClient(control);
  if (shot.pixels.empty()) return 0;
  const std::uint32_t background = shot.At(0, 0);
  int left = shot.width, right = -1;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      if (shot.At(x, y) == background) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return right < left ? 0 : right - left + 1;
}

TEST(CueBanners, TheEmptyBoxesShowAHintThatIsNotTheirText) {
  VorentaSession vorenta;
  ASSERT_TRUE(vorenta.BringToFront());
  ToggleKeywordPanel(vorenta.window());
  const HWND keyword_box = vorenta.control(kKeywordBox);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(keyword_box) != FALSE; }));
  for (const int id : {kAddressBox, kKeywordBox}) {
    const HWND box = vorenta.control(id);
    EXPECT_EQ(ControlText(box), u"") << "control " << id;
    EXPECT_TRUE(WaitUntil([&] { return InkWidth(box) > 40; })) << "control " << id;
  }
}

}  // namespace
}  // namespace vorenta_e2e
