// Where a window that remembers its place opens: the saved rectangle when it
// can be seen and grabbed, else the default place at the saved size.

#include "ui/placement.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

// 1920 x 1040 pixels at 96 DPI, and a 1024 x 768 one to its right; a
// 1024 x 768 one alone.
const Monitor kWide{1, {0, 0, 28800, 15600}};
const Monitor kSmall{2, {28800, 0, 15360, 11520}};
const Monitor kLaptop{3, {0, 0, 15360, 11520}};

// The system puts a new window near the top left of the first monitor.
DefaultPlace DefaultPlaceOn(const Monitor& monitor) {
  return {monitor, monitor.work_area.left + 390, monitor.work_area.top + 390};
}

struct Case {
  const char* rule;
  std::optional<GeometryValues> saved;
  std::vector<Monitor> monitors;
  std::optional<Placement> expected;
};

const Case kCases[] = {
    {"a window on the monitor comes back as it was",
     GeometryValues{8685, 8445, 1500, 900},
     {kWide},
     Placement{kWide, {1500, 900, 8685, 8445}}},
    {"on the second monitor it comes back there",
     GeometryValues{8685, 8445, 30000, 600},
     {kWide, kSmall},
     Placement{kSmall, {30000, 600, 8685, 8445}}},
    {"half below the bottom edge, grip on screen, is still taken",
     GeometryValues{8000, 8000, 1000, 11600},
     {kWide},
     Placement{kWide, {1000, 11600, 8000, 8000}}},
    {"more than half off to the right goes to the default place at its size",
     GeometryValues{8000, 8000, 25000, 900},
     {kWide},
     Placement{kWide, {390, 390, 8000, 8000}}},
    {"half off to the right has its grip off the screen",
     GeometryValues{8000, 8000, 24800, 900},
     {kWide},
     Placement{kWide, {390, 390, 8000, 8000}}},
    {"a caption above the top edge cannot be grabbed",
     GeometryValues{8000, 8000, 1000, -200},
     {kWide},
     Placement{kWide, {390, 390, 8000, 8000}}},
    {"wholly off every monitor, as a minimised window leaves it, with the minimum size",
     GeometryValues{2400, 420, -480000, -480000},
     {kWide, kSmall},
     Placement{kWide, {390, 390, 3300, 1850}}},
    {"from a larger monitor than any now: the size fits the monitor",
     GeometryValues{28800, 15600, 0, 0},
     {kLaptop},
     Placement{kLaptop, {0, 0, 15360, 11520}}},
    {"a size below the minimum is raised to it in place",
     GeometryValues{1000, 500, 1500, 900},
     {kWide},
     Placement{kWide, {1500, 900, 3300, 1850}}},
    {"no file leaves the window as the system made it", std::nullopt, {kWide}, std::nullopt},
    {"a zero width is a damaged file", GeometryValues{0, 8445, 1500, 900}, {kWide}, std::nullopt},
    {"a negative height is a damaged file",
     GeometryValues{8685, -8445, 1500, 900},
     {kWide},
     std::nullopt},
};

TEST(Placement, SavedRectangleIsTakenOnlyWhereItCanBeSeenAndGrabbed) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.rule);
    const std::optional<Placement> placed =
        PlaceSavedWindow(c.saved, c.monitors, DefaultPlaceOn(c.monitors.front()));
    ASSERT_EQ(placed.has_value(), c.expected.has_value());
    if (!placed) continue;
    EXPECT_EQ(placed->monitor.handle, c.expected->monitor.handle);
    EXPECT_EQ(placed->outer, c.expected->outer)
        << placed->outer.left << "," << placed->outer.top << " " << placed->outer.width << "x"
        << placed->outer.height;
  }
}

TEST(Placement, TheDefaultPlaceIsPulledBackSoThatTheWindowStaysOnItsMonitor) {
  const DefaultPlace low_right{kSmall, 28800 + 9000, 6000};
  const std::optional<Placement> placed =
      PlaceSavedWindow(GeometryValues{8685, 8445, -90000, 0}, {kWide, kSmall}, low_right);
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(placed->monitor, kSmall);
  EXPECT_EQ(placed->outer, (TwipsRect{28800 + 15360 - 8685, 11520 - 8445, 8685, 8445}));
}

TEST(Placement, AWindowThatDoesNotFitItsWorkAreaIsMadeToFit) {
  // The design window at 192 DPI where the system put it on a 1280 x 1024
  // pixel screen, and on a screen smaller than the minimum size.
  const TwipsRect design{390, 390, 8685, 8445};
  EXPECT_EQ(FittedToWorkArea(design, {0, 0, 9600, 9000}), std::nullopt);
  EXPECT_EQ(FittedToWorkArea(design, {0, 0, 9600, 7380}), (TwipsRect{390, 0, 8685, 7380}));
  EXPECT_EQ(FittedToWorkArea(design, {0, 0, 3000, 1500}), (TwipsRect{0, 0, 3300, 1850}));
}

}  // namespace
}  // namespace vorenta
