#pragma once

#include <QColor>
#include <QImage>
#include <functional>
#include <string_view>

#include "LedLook.h"

namespace ledfont {

// The companion's LED look (picture/LedLook.h) drawn into a Qt image, so the
// window's panels show a glyph and a line of text exactly as `ledfont sheet`
// and `ledfont preview` picture them.
using picture::LedLook;

inline QColor ToQColor(picture::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// Whether LED (column, row) is lit.
using LitLeds = std::function<bool(int column, int row)>;

// Text in the dot digits of a font sheet's labels, centred in an image width
// pixels wide on the background of the LED pictures.
QImage LedLabelImage(std::string_view text, int width);

// An image of a black box of columns x rows LEDs, lit as lit says; with
// lineAfter in 1..columns a green line stands in the gap after that column.
QImage LedBoxImage(int columns, int rows, const LitLeds& lit, int lineAfter = 0);

}  // namespace ledfont
