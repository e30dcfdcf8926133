// Layout of the controls in the client area, with the keyword panel closed
// and open, and across resizes.

#include <gtest/gtest.h>

#include "control_state.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

// One pixel: the program rounds twips to whole pixels.
float Tolerance() { return TwipsPerPixel(); }

struct Layout {
  TwipsRect search_button, mail_pane, keyword_list, address_box, keyword_box;
  bool panel_visible;
};

Layout ReadLayout(const VorentaSession& vorenta) {
  return {ControlRect(vorenta.control(kSearchButton)),
          ControlRect(vorenta.control(kMailPane)),
          ControlRect(vorenta.control(kKeywordList)),
          ControlRect(vorenta.control(kAddressBox)),
          ControlRect(vorenta.control(kKeywordBox)),
          IsWindowVisible(vorenta.control(kKeywordBox)) &&
              IsWindowVisible(vorenta.control(kKeywordList))};
}

bool PanelOpen(const VorentaSession& vorenta) {
  return IsWindowVisible(vorenta.control(kKeywordBox)) != FALSE;
}

// The margins of the design, kept at any client size.
void ExpectClosedLayout(const VorentaSession& vorenta) {
  const TwipsRect client = ClientRect(vorenta.window());
  const Layout l = ReadLayout(vorenta);
  const float t = Tolerance();
  EXPECT_FALSE(l.panel_visible);
  EXPECT_NEAR(l.search_button.left, client.width - 1245, t);
  EXPECT_NEAR(l.search_button.top, 60, t);
  EXPECT_NEAR(l.address_box.left, 60, t);
  EXPECT_NEAR(l.address_box.top, 60, t);
  EXPECT_NEAR(l.address_box.width, client.width - 1410, t);
  EXPECT_NEAR(l.mail_pane.left, 60, t);
  EXPECT_NEAR(l.mail_pane.top, 480, t);
  EXPECT_NEAR(l.mail_pane.width, client.width - 150, t);
  EXPECT_NEAR(l.mail_pane.height, client.height - 570, t);
}

// The panel's controls in the left strip; the URL box and the mail pane moved
// right with their right edges where they were.
void ExpectOpenLayout(const VorentaSession& vorenta) {
  const TwipsRect client = ClientRect(vorenta.window());
  const Layout l = ReadLayout(vorenta);
  const float t = Tolerance();
  EXPECT_TRUE(l.panel_visible);
  EXPECT_NEAR(l.keyword_box.left, 60, t);
  EXPECT_NEAR(l.keyword_box.top, 60, t);
  EXPECT_NEAR(l.keyword_box.width, 1395, t);
  EXPECT_NEAR(l.keyword_list.left, 60, t);
  EXPECT_NEAR(l.keyword_list.top, 480, t);
  EXPECT_NEAR(l.keyword_list.width, 1395, t);
  EXPECT_NEAR(l.keyword_list.height, client.height - 570, t);
  EXPECT_NEAR(l.address_box.left, 1515, t);
  EXPECT_NEAR(l.address_box.right(), client.width - 1350, t);
  EXPECT_NEAR(l.mail_pane.left, 1515, t);
  EXPECT_NEAR(l.mail_pane.right(), client.width - 90, t);
  EXPECT_NEAR(l.search_button.left, client.width - 1245, t);
}

bool ResizeBy(HWND window, int dx, int dy) {
  RECT before{};
  GetWindowRect(window, &before);
  const int width = before.right - before.left + dx;
  const int height = before.bottom - before.top + dy;
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return WaitUntil([&] {
    RECT now{};
    GetWindowRect(window, &now);
    return now.right - now.left == width && now.bottom - now.top == height;
  });
}

TEST(PanelLayout, StartsClosedWithTheDesignMargins) {
  VorentaSession vorenta;
  ExpectClosedLayout(vorenta);
  // The design's client area, 8565 by 8040 twips.
  EXPECT_NEAR(ClientRect(vorenta.window()).width, 8565, Tolerance());
  EXPECT_NEAR(ClientRect(vorenta.window()).height, 8040, Tolerance());
}

TEST(PanelLayout, SearchButtonHasTheFocusAtStart) {
  VorentaSession vorenta;
  const std::optional<GUITHREADINFO> gui = GuiThreadOf(vorenta.window());
  ASSERT_TRUE(gui.has_value());
  EXPECT_EQ(gui->hwndFocus, vorenta.control(kSearchButton));
}

TEST(PanelLayout, RightClickTwiceReturnsEveryControl) {
  VorentaSession vorenta;
  ASSERT_TRUE(vorenta.BringToFront());
  const Layout closed = ReadLayout(vorenta);

  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return PanelOpen(vorenta); }));
  ExpectOpenLayout(vorenta);

  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return !PanelOpen(vorenta); }));
  const Layout again = ReadLayout(vorenta);
  EXPECT_EQ(again.search_button, closed.search_button);
  EXPECT_EQ(again.address_box, closed.address_box);
  EXPECT_EQ(again.mail_pane, closed.mail_pane);
  EXPECT_FALSE(again.panel_visible);
}

TEST(PanelLayout, ResizeWithThePanelOpenKeepsRightEdgesInPlace) {
  VorentaSession vorenta;
  ASSERT_TRUE(vorenta.BringToFront());
  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return PanelOpen(vorenta); }));

  ASSERT_TRUE(ResizeBy(vorenta.window(), 120, 90));
  ExpectOpenLayout(vorenta);
  ASSERT_TRUE(ResizeBy(vorenta.window(), -200, -150));
  ExpectOpenLayout(vorenta);

  // Closing after the resizes gives the closed layout of the new size.
  ToggleKeywordPanel(vorenta.window());
  ASSERT_TRUE(WaitUntil([&] { return !PanelOpen(vorenta); }));
  ExpectClosedLayout(vorenta);
}

TEST(PanelLayout, MaximiseLaysOutForTheFullSizeAndMinimiseKeepsTheLayout) {
  VorentaSession vorenta;
  const HWND window = vorenta.window();
  const Layout normal = ReadLayout(vorenta);

  ShowWindowAsync(window, SW_MAXIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsZoomed(window) != FALSE; }));
  PumpFor(std::chrono::milliseconds(300));
  EXPECT_GT(ClientRect(window).width, 8565 + 1000);
  ExpectClosedLayout(vorenta);

  ShowWindowAsync(window, SW_RESTORE);
  ASSERT_TRUE(WaitUntil([&] { return !IsZoomed(window); }));
  ShowWindowAsync(window, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }));
  ShowWindowAsync(window, SW_RESTORE);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(window); }));
  PumpFor(std::chrono::milliseconds(300));
  const Layout restored = ReadLayout(vorenta);
  EXPECT_EQ(restored.search_button, normal.search_button);
  EXPECT_EQ(restored.address_box, normal.address_box);
  EXPECT_EQ(restored.mail_pane, normal.mail_pane);
}

TEST(PanelLayout, ResizeWithThePanelClosedFollowsTheWindow) {
  VorentaSession vorenta;
  ASSERT_TRUE(ResizeBy(vorenta.window(), 150, 75));
  ExpectClosedLayout(vorenta);
}

}  // namespace
}  // namespace vorenta_e2e
