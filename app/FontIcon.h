#pragma once

#include <QIcon>
#include <QImage>
#include <string>

namespace ledfont {

// The program's icon: the letter ka lit in red on a 16 x 16 grid of LEDs, on
// black. Every picture of it is drawn here from one LED pattern, so the window's
// icon and the icons installed for the desktop's menu cannot drift apart.

inline constexpr int kIconLeds = 16;  // LEDs in a row and in a column of the icon

// Whether the LED at row (0 = top) and column (0 = left) of the icon is lit.
bool IconLedLit(int row, int column);

// The icon as a square picture of size x size pixels (at least 16): the grid
// on a whole number of pixels per LED, centred. At 16 pixels one pixel is one
// LED; at 32 each LED is 2 x 2, a lit one with a bright corner and a dark one a
// faint dot; at 48 and 64 the LEDs are squares with gaps, from 96 on round.
QImage FontIconImage(int size);

// The icon as an SVG document that scales to any size.
std::string FontIconSvg();

// The window's icon: the 32 x 32 and 16 x 16 pictures.
QIcon FontIcon();

}  // namespace ledfont
