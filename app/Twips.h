#pragma once

#include <cmath>

namespace ledfont {

// The layout is given in twips; at 96 dots per inch a pixel is 15 twips.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

}  // namespace ledfont
