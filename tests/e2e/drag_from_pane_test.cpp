// The mail pane is a drag source: selected lines go out as text, and a drag
// that comes back onto the pane leaves the mail alone.

#include <gtest/gtest.h>

#include "control_state.h"
#include "newsletter.h"
#include "ole_drop_catcher.h"
#include "pasted_newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

using std::chrono::milliseconds;

class DragFromMailPane : public PastedNewsletterTest {
 protected:
  void SetUp() override {
    PastedNewsletterTest::SetUp();
    if (HasFatalFailure()) return;
    ClickMailLine(vorenta.window(), kSaleLine);
    Click(ListItemPoint(pane(), kFreeShippingLine), MouseButton::kLeft, kCtrl);
    const std::vector<int> selected = {kSaleLine, kFreeShippingLine};
    ASSERT_TRUE(WaitUntil([&] { return SelectedIndexes(pane()) == selected; }));
  }

  // Presses on a selected line and glides to `to` before letting go.
  void DragSelectedLinesTo(POINT to) {
    const POINT from = ListItemPoint(pane(), kSaleLine);
    MoveMouse(from);
    PumpFor(milliseconds(100));
    ButtonDown(MouseButton::kLeft);
    GlideMouse(from, to, 16);
    for (int i = 0; i < 4; ++i) {
      GlideMouse(to, POINT{to.x + (i % 2 ? -3 : 3), to.y}, 1);
      PumpFor(milliseconds(80));
    }
    ButtonUp(MouseButton::kLeft);
  }
};

TEST_F(DragFromMailPane, SelectedLinesLeaveAsTextJoinedByCrLf) {
  RECT window{};
  GetWindowRect(vorenta.window(), &window);
  const RECT area{window.right + 20, window.top + 100, window.right + 180, window.top + 260};
  DropCatcher catcher(area);
  ASSERT_TRUE(catcher.ready());

  DragSelectedLinesTo(catcher.center());
  const std::u16string expected =
      kNewsletterLines[kSaleLine] + u"\r\n" + kNewsletterLines[kFreeShippingLine];
  EXPECT_TRUE(WaitUntil([&] { return catcher.dropped_text() == expected; }))
      << "dropped: " << (catcher.dropped_text() ? "other text" : "nothing");
  EXPECT_EQ(ListItems(pane()), kNewsletterLines);
}

TEST_F(DragFromMailPane, DroppedBackOnThePaneChangesNothing) {
  DragSelectedLinesTo(ListItemPoint(pane(), kCapitalsLine));
  PumpFor(milliseconds(800));
  EXPECT_EQ(ListItems(pane()), kNewsletterLines);
  EXPECT_TRUE(vorenta.IsRunning());
}

}  // namespace
}  // namespace vorenta_e2e
