#pragma once
// Twips (1440 to the inch) to pixels at a window's DPI and back.

namespace vorenta {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// Nearest pixel, halves away from zero, as MulDiv rounds.
int TwipsToPixels(float twips, int dpi);

// The fewest pixels that read back as at least `twips`: a size asked for
// as a minimum must not come back just below it.
int TwipsToPixelsAtLeast(float twips, int dpi);

float PixelsToTwips(int pixels, int dpi);

}  // namespace vorenta
