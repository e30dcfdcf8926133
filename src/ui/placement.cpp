#include "ui/placement.h"

#include <algorithm>

#include "ui/layout.h"

namespace vorenta {

namespace {

double Area(const TwipsRect& r) {
  return static_cast<double>(std::max(r.width, 0.0f)) * std::max(r.height, 0.0f);
}

double OverlapArea(const TwipsRect& a, const TwipsRect& b) {
  const float left = std::max(a.left, b.left);
  const float top = std::max(a.top, b.top);
  const float right = std::min(a.right(), b.right());
  const float bottom = std::min(a.bottom(), b.bottom());
  return Area({left, top, right - left, bottom - top});
}

bool Contains(const TwipsRect& outer, const TwipsRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

bool CanBeSeenAndGrabbed(const TwipsRect& window, const TwipsRect& work_area) {
  return OverlapArea(window, work_area) * 2 >= Area(window) &&
         Contains(work_area, CaptionGrip(window));
}

// Pulls an edge back so that a span of `size` starting there ends inside
// [low, high], without passing `low`.
float KeptWithin(float start, float size, float low, float high) {
  return std::max(std::min(start, high - size), low);
}

Placement AtDefaultPlace(float width, float height, const DefaultPlace& place) {
  const TwipsRect& work = place.monitor.work_area;
  width = std::max(std::min(width, work.width), layout::kMinOuterWidth);
  height = std::max(std::min(height, work.height), layout::kMinOuterHeight);
  return {place.monitor,
          {KeptWithin(place.left, width, work.left, work.right()),
           KeptWithin(place.top, height, work.top, work.bottom()), width, height}};
}

}  // namespace

TwipsRect CaptionGrip(const TwipsRect& outer) {
  return {outer.left + kGripLeftInset, outer.top,
          std::max(outer.width - kGripLeftInset - kGripRightInset, 0.0f), kGripHeight};
}

std::optional<Placement> PlaceSavedWindow(const std::optional<GeometryValues>& saved,
                                          const std::vector<Monitor>& monitors,
                                          const DefaultPlace& default_place) {
  // A window has a size: anything else is a damaged file.
  if (!saved || !(saved->outer_width > 0) || !(saved->outer_height > 0)) return std::nullopt;
  const TwipsRect window{saved->left, saved->top,
                         std::max(saved->outer_width, layout::kMinOuterWidth),
                         std::max(saved->outer_height, layout::kMinOuterHeight)};
  for (const Monitor& monitor : monitors) {
    if (CanBeSeenAndGrabbed(window, monitor.work_area)) return Placement{monitor, window};
  }
  return AtDefaultPlace(window.width, window.height, default_place);
}

bool PlaceAsSaved(MainWindow& window, const std::optional<GeometryValues>& saved) {
  const DefaultPlace default_place{window.CurrentMonitor(), window.Left(), window.Top()};
  const std::optional<Placement> placement =
      PlaceSavedWindow(saved, window.Monitors(), default_place);
  if (placement) window.Place(placement->monitor, placement->outer);
  return placement.has_value();
}

std::optional<TwipsRect> FittedToWorkArea(const TwipsRect& outer, const TwipsRect& work_area) {
  // A monitor that could not be described has no work area to fit.
  if (!(work_area.width > 0) || !(work_area.height > 0) || Contains(work_area, outer)) {
    return std::nullopt;
  }
  const Placement fitted =
      AtDefaultPlace(outer.width, outer.height, {Monitor{0, work_area}, outer.left, outer.top});
  return fitted.outer;
}

void FitToWorkArea(MainWindow& window) {
  const Monitor monitor = window.CurrentMonitor();
  const TwipsRect outer{window.Left(), window.Top(), window.OuterWidth(), window.OuterHeight()};
  if (const auto fitted = FittedToWorkArea(outer, monitor.work_area)) {
    window.Place(monitor, *fitted);
  }
}

}  // namespace vorenta
