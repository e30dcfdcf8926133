#pragma once
// Where the window opens when the user asked it to remember its place and
// size: where it was, if that place can still be seen and grabbed;
// otherwise where the system puts a new window, at the remembered size as
// far as the monitor has room for it.

#include <optional>
#include <vector>

#include "settings/geometry_file.h"
#include "ui/platform.h"

namespace vorenta {

// The part of the caption bar a user drags the window by: its top strip,
// without the icon at the left and the caption buttons at the right. It
// must lie wholly on one monitor's work area for a saved place to be used.
inline constexpr float kGripHeight = 300;
inline constexpr float kGripLeftInset = 480;
inline constexpr float kGripRightInset = 2160;

TwipsRect CaptionGrip(const TwipsRect& outer);

// Where the system put the new window, on which monitor (twips at that
// monitor's DPI).
struct DefaultPlace {
  Monitor monitor;
  float left = 0;
  float top = 0;
};

struct Placement {
  Monitor monitor;
  TwipsRect outer;
  bool operator==(const Placement&) const = default;
};

// The saved rectangle is taken on the first monitor whose work area holds
// at least half of it and the whole grip, read at that monitor's DPI.
// Otherwise the window stays at its default place with the saved size,
// kept within that monitor's work area. Sizes never go below the window's
// minimum. nullopt (leave the window as it is) without a usable file.
std::optional<Placement> PlaceSavedWindow(const std::optional<GeometryValues>& saved,
                                          const std::vector<Monitor>& monitors,
                                          const DefaultPlace& default_place);

// Applies PlaceSavedWindow to the window, which is at its default place;
// false when it left the window there.
bool PlaceAsSaved(MainWindow& window, const std::optional<GeometryValues>& saved);

// A window larger than the work area, or reaching past it, made to fit it:
// as large as the work area at most (never below the window's minimum),
// moved inside. nullopt when it fits already.
std::optional<TwipsRect> FittedToWorkArea(const TwipsRect& outer, const TwipsRect& work_area);

// Applies FittedToWorkArea to the window on its monitor: at a high DPI the
// design size may be taller than a small screen.
void FitToWorkArea(MainWindow& window);

}  // namespace vorenta
