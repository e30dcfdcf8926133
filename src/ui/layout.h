#pragma once
// Layout constants of the main window, in twips. The right edges are kept at
// fixed margins inside the client area, so controls never run past it
// whatever the frame width of the system.

namespace vorenta::layout {

inline constexpr float kMinOuterWidth = 3300;
inline constexpr float kMinOuterHeight = 1850;

inline constexpr float kClientWidth = 8565;
inline constexpr float kClientHeight = 8040;

// The search button's left edge is 1245 short of the client's right edge.
inline constexpr float kButtonRightMargin = 1245;
// The address box ends 1350 short of the client's right edge (just before the button).
inline constexpr float kAddressBoxRightMargin = 1350;
// The mail pane ends 90 short of the client's right edge.
inline constexpr float kMailPaneRightMargin = 90;
// Both lists end 90 above the client's bottom edge (top 480).
inline constexpr float kListHeightMargin = 570;
// Gap between the keyword panel and the controls that move aside for it.
inline constexpr float kPanelGap = 60;

// Where each control starts, relative to the client area.
struct ControlDesign {
  float left, top, width, height;
  bool visible;
};

inline constexpr ControlDesign kSearchButton{7320, 60, 1155, 315, true};
inline constexpr ControlDesign kMailPane{60, 480, 8415, 7470, true};
inline constexpr ControlDesign kKeywordList{60, 480, 1395, 7440, false};
inline constexpr ControlDesign kAddressBox{60, 60, 7155, 315, true};
inline constexpr ControlDesign kKeywordBox{60, 60, 1395, 330, false};

}  // namespace vorenta::layout
