#include "ui/win32/twips.h"

#include <cmath>

namespace vorenta {

namespace {
int SaneDpi(int dpi) { return dpi > 0 ? dpi : kDefaultDpi; }
}  // namespace

int TwipsToPixels(float twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * SaneDpi(dpi) / kTwipsPerInch));
}

int TwipsToPixelsAtLeast(float twips, int dpi) {
  const int pixels =
      static_cast<int>(std::ceil(static_cast<double>(twips) * SaneDpi(dpi) / kTwipsPerInch));
  // Guard against the float round trip landing a hair below the request.
  return PixelsToTwips(pixels, dpi) < twips ? pixels + 1 : pixels;
}

float PixelsToTwips(int pixels, int dpi) {
  return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / SaneDpi(dpi));
}

}  // namespace vorenta
