#include "LedGrid.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "Error.h"
#include "GlyphLimits.h"

namespace ledfont {
namespace {

constexpr int kCellUnits = 10;
constexpr int kLastLine = LedCanvas::kUnits - 1;  // lines beyond 160 leave no mark

// The control's size in twips, read as a 16-bit whole number like the loop bound it is.
int ToInt16(float twips) {
    const double v = std::nearbyint(static_cast<double>(twips));
    if (!(v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max()))
        throw MakeError<OverflowError>("the canvas size " + std::to_string(twips) +
                                       " twips does not fit a 16-bit whole number");
    return static_cast<int>(v);
}

void PaintCell(LedCanvas& canvas, int x, int y, Colour colour) {
    // Wide arithmetic: a cell far outside the grid must clip, not wrap.
    canvas.FilledSquare<kCellUnits - 1>(static_cast<long long>(x) * kCellUnits + 1,
                                        static_cast<long long>(y) * kCellUnits + 1, colour);
}

}  // namespace

void LedGrid::DrawGrid() {
    const int width = ToInt16(pic_.Width);
    for (int x = 0; x <= width && x <= kLastLine; x += kCellUnits)
        canvas_.Line(static_cast<float>(x), 0.0f, static_cast<float>(x), pic_.Height, kBlue);
    const int height = ToInt16(pic_.Height);
    for (int y = 0; y <= height && y <= kLastLine; y += kCellUnits)
        canvas_.Line(0.0f, static_cast<float>(y), pic_.Width, static_cast<float>(y), kBlue);
}

void LedGrid::OnLED(int x, int y) { PaintCell(canvas_, x, y, kRed); }

void LedGrid::OffLED(int x, int y) { PaintCell(canvas_, x, y, kBlack); }

void LedGrid::DrawColumnLine(int n) {
    const auto x = static_cast<float>(n * kCellUnits);
    canvas_.Line(x, 0.0f, x, pic_.Height, kGreen);
}

void LedGrid::GetMap(ByteArray<51>& MapBytes) const {
    for (int c = 0; c < kGridSide; ++c) {
        for (int h = 0; h < 2; ++h) {
            int v = 0;
            for (int k = 7; k >= 0; --k) {
                v *= 2;
                if (canvas_.PointAt(kCellUnits * c + 5, kCellUnits * (8 * h + k) + 5) == kBlack) v += 1;
            }
            MapBytes(2 * c + h) = static_cast<Byte>(v);
        }
    }
}

int LedGrid::CellOf(float coordinate) {
    const double rounded = std::nearbyint(static_cast<double>(coordinate));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw MakeError<OverflowError>("the mouse position " + std::to_string(coordinate) +
                                       " does not fit a 32-bit whole number");
    return static_cast<int>(rounded) / kCellUnits;
}

void LedGrid::MouseDown(int button, int /*shift*/, float x, float y, ByteArray<51>& MapBytes) {
    if (button == kLeftButton) OnLED(CellOf(x), CellOf(y));
    if (button == kRightButton) OffLED(CellOf(x), CellOf(y));
    GetMap(MapBytes);
}

void LedGrid::MouseMove(int button, int /*shift*/, float x, float y, ByteArray<51>& MapBytes) {
    if (button == kLeftButton) {
        OnLED(CellOf(x), CellOf(y));
        GetMap(MapBytes);
    } else if (button == kRightButton) {
        OffLED(CellOf(x), CellOf(y));
        GetMap(MapBytes);
    }
}

}  // namespace ledfont
