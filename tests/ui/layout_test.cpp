#include "form1_fixture.h"

namespace vorenta {
namespace {

struct Place {
  float text1_left, text1_width, list1_left, list1_width;
  bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Place& p) {
  return os << "{" << p.text1_left << ", " << p.text1_width << ", " << p.list1_left << ", "
            << p.list1_width << "}";
}

class Layout : public Form1Test {
 protected:
  Place Current() const {
    return {memory.text1.Left(), memory.text1.Width(), memory.list1.Left(), memory.list1.Width()};
  }
  void TogglePanel() { form.Command1_MouseDown(kButtonRight, 0); }
};

TEST_F(Layout, DesignSizeGivesTheDesignPlaces) {
  memory.window.UserResize(8685, 8445);
  EXPECT_EQ(memory.command1.Left(), 7320);
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
  EXPECT_EQ(memory.list1.Height(), 7470);
  EXPECT_EQ(memory.list2.Height(), 7470);
}

TEST_F(Layout, PanelToggleMovesUrlBoxAndPaneAndBack) {
  TogglePanel();
  EXPECT_TRUE(memory.text2.IsVisible());
  EXPECT_TRUE(memory.list2.IsVisible());
  EXPECT_EQ(Current(), (Place{1515, 5700, 1515, 6960}));
  TogglePanel();
  EXPECT_FALSE(memory.text2.IsVisible());
  EXPECT_FALSE(memory.list2.IsVisible());
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
}

TEST_F(Layout, TooSmallSnapsBackToTheMinimumSize) {
  memory.window.UserResize(1000, 900);
  EXPECT_EQ(memory.window.OuterWidth(), 3300);
  EXPECT_EQ(memory.window.OuterHeight(), 1850);
  EXPECT_EQ(Current(), (Place{60, 1770, 60, 3030}));
  EXPECT_EQ(memory.command1.Left(), 3300 - 1365);
  EXPECT_EQ(memory.list1.Height(), 1850 - 975);
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
  EXPECT_EQ(memory.command1.Left(), 7320);
  EXPECT_EQ(Current(), (Place{60, 7155, 60, 8415}));
  EXPECT_EQ(memory.list1.Height(), 7470);
}

TEST_F(Layout, WideButLowWindowStopsAtTheRefusedHeight) {
  memory.window.UserResize(9000, 8445);
  memory.window.SetMinimised(true);
  memory.window.UserResize(9500, 100);
  EXPECT_EQ(memory.command1.Left(), 9500 - 1365);
  EXPECT_EQ(memory.list1.Height(), 7470);
}

}  // namespace
}  // namespace vorenta
