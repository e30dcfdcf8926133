#pragma once
// The soft marker colours the keywords take in list order. Each has a
// lighter shade for plain lines and a stronger one for selected lines; dark
// text reads on both, and the first is the single marker's yellow of old.

#include <array>
#include <cstdint>

namespace vorenta {

struct Rgb {
  std::uint8_t red, green, blue;
};

struct MarkerShades {
  Rgb plain;
  Rgb selected;
};

inline constexpr std::array<MarkerShades, 8> kKeywordMarkers{{
    {{255, 236, 112}, {255, 196, 64}},   // yellow
    {{178, 236, 160}, {120, 210, 100}},  // green
    {{170, 214, 255}, {120, 184, 250}},  // blue
    {{255, 190, 214}, {250, 140, 180}},  // pink
    {{255, 208, 150}, {250, 170, 90}},   // orange
    {{214, 196, 255}, {180, 150, 250}},  // violet
    {{160, 232, 226}, {100, 206, 198}},  // teal
    {{226, 226, 170}, {200, 200, 110}},  // olive
}};

// The colour of the keyword at this place in the list (its first place
// for a keyword listed twice).
constexpr int KeywordColourAt(int place) {
  return place % static_cast<int>(kKeywordMarkers.size());
}

}  // namespace vorenta
