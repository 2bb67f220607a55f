#pragma once

#include "LedLine.h"
#include "Picture.h"

namespace ledfont::picture {

// The widest line a picture shows: 16384 LEDs across make a picture of about
// 98 000 x 113 pixels, 33 MB while it is drawn.
inline constexpr int kMostPictureColumns = 16384;

// The line in the LED look of a font sheet: a black box of its LEDs with a
// margin around. With signColumns > 0 the box is at least that wide and a
// green line stands after column signColumns, where the sign ends. Throws
// InvalidCallError for a box wider than kMostPictureColumns.
Picture DrawLinePicture(const sign::LedLine& line, int signColumns = 0);

}  // namespace ledfont::picture
