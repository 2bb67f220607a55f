#pragma once

#include "GlyphLimits.h"
#include "GlyphRecord.h"
#include "Picture.h"

namespace ledfont::picture {

// The black box that columns x rows LEDs stand in, with its top left at (left, top).
void DrawLedBox(Picture& picture, int left, int top, int columns, int rows);

// LED (column, row) of a box whose top left is (left, top).
void DrawLed(Picture& picture, int left, int top, int column, int row, bool lit);

// A green line in the gap before LED column `column` of a box of rows LEDs
// whose top left is (left, top), the box's full height: a glyph's width on
// a sheet, a sign's width under a line of text.
void DrawColumnLine(Picture& picture, int left, int top, int column, int rows = kGridSide);

// Glyph's columns 0..columns-1 as a box of LEDs, lit or dark as its record
// says, with the box's top left at (left, top). A sheet shows all 16; a line
// of text shows each glyph as wide as its column count.
void DrawGlyphLeds(Picture& picture, const GlyphView& glyph, int left, int top, int columns = kGridSide);

}  // namespace ledfont::picture
