#include "window_logic_fixture.h"

namespace vorenta {
namespace {

struct Place {
  float address_box_left, address_box_width, mail_pane_left, mail_pane_width;
  bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Place& p) {
  return os << "{" << p.address_box_left << ", " << p.address_box_width << ", " << p.mail_pane_left
            << ", " << p.mail_pane_width << "}";
}

class Layout : public WindowLogicTest {
 protected:
  Place Current() const {
    return {memory.address_box.Left(), memory.address_box.Width(), memory.mail_pane.Left(),
            memory.mail_pane.Width()};
  }
  void TogglePanel() { logic.OnSearchButtonDown(kButtonRight, 0); }
};

TEST_F(Layout, DesignSizeGivesTheDesignPlaces) {
  memory.window.UserResize(8685, 8445);
  EXPECT_EQ(memory.search_button.Left(), 7320);
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
  EXPECT_EQ(memory.mail_pane.Height(), 7470);
  EXPECT_EQ(memory.keyword_list.Height(), 7470);
}

TEST_F(Layout, PanelToggleMovesUrlBoxAndPaneAndBack) {
  TogglePanel();
  EXPECT_TRUE(memory.keyword_box.IsVisible());
  EXPECT_TRUE(memory.keyword_list.IsVisible());
  EXPECT_EQ(Current(), (Place{1515, 5700, 1515, 6960}));
  TogglePanel();
  EXPECT_FALSE(memory.keyword_box.IsVisible());
  EXPECT_FALSE(memory.keyword_list.IsVisible());
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
}

TEST_F(Layout, TooSmallSnapsBackToTheMinimumSize) {
  memory.window.UserResize(1000, 900);
  EXPECT_EQ(memory.window.OuterWidth(), 3300);
  EXPECT_EQ(memory.window.OuterHeight(), 1850);
  EXPECT_EQ(Current(), (Place{60, 1770, 60, 3030}));
  EXPECT_EQ(memory.search_button.Left(), 3300 - 1365);
  EXPECT_EQ(memory.mail_pane.Height(), 1850 - 975);
  TogglePanel();
  EXPECT_EQ(Current(), (Place{1515, 315, 1515, 1575}));
}

TEST_F(Layout, ResizeWithThePanelOpenKeepsRightEdgesInside) {
  TogglePanel();
  memory.window.UserResize(12000, 9000);
  const float client = memory.window.ClientWidth();
  EXPECT_EQ(Current(), (Place{1515, client - 1350 - 1515, 1515, client - 90 - 1515}));
  TogglePanel();
  EXPECT_EQ(Current(), (Place{60, client - 1410, 60, client - 150}));
  memory.window.UserResize(8685, 8445);
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
}

TEST_F(Layout, ToggleAndResizeInAnyOrderEndTheSame) {
  memory.window.UserResize(10000, 8000);
  TogglePanel();
  const Place open_after_resize = Current();
  TogglePanel();
  memory.window.UserResize(8685, 8445);
  TogglePanel();
  memory.window.UserResize(10000, 8000);
  EXPECT_EQ(Current(), open_after_resize);
}

TEST_F(Layout, MinimisedWindowRefusingTheSizeChangesNothing) {
  memory.window.SetMinimised(true);
  memory.window.UserResize(0, 0);
  EXPECT_EQ(memory.search_button.Left(), 7320);
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
  EXPECT_EQ(memory.mail_pane.Height(), 7470);
}

TEST_F(Layout, WideButLowWindowStopsAtTheRefusedHeight) {
  memory.window.UserResize(9000, 8445);
  memory.window.SetMinimised(true);
  memory.window.UserResize(9500, 100);
  EXPECT_EQ(memory.search_button.Left(), 9500 - 1365);
  EXPECT_EQ(memory.mail_pane.Height(), 7470);
}

}  // namespace
}  // namespace vorenta
