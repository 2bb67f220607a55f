#include "LedDrawing.h"

#include "LedLook.h"

namespace ledfont::picture {

void DrawLedBox(Picture& picture, int left, int top, int columns, int rows) {
    picture.FillRect(left, top, LedLook::BoxSide(columns), LedLook::BoxSide(rows), LedLook::kBox);
}

void DrawLed(Picture& picture, int left, int top, int column, int row, bool lit) {
    picture.FillRect(left + LedLook::LedOffset(column), top + LedLook::LedOffset(row), LedLook::kLedSize,
                     LedLook::kLedSize, lit ? LedLook::kLit : LedLook::kDark);
}

void DrawColumnLine(Picture& picture, int left, int top, int column, int rows) {
    picture.FillRect(left + column * LedLook::kLedPitch, top, 1, LedLook::BoxSide(rows),
                     LedLook::kColumnLine);
}

void DrawGlyphLeds(Picture& picture, const GlyphView& glyph, int left, int top, int columns) {
    DrawLedBox(picture, left, top, columns, kGridSide);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < kGridSide; ++y) DrawLed(picture, left, top, x, y, glyph.IsLit(x, y));
}

}  // namespace ledfont::picture
