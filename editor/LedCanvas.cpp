#include "LedCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ledfont {
namespace {

constexpr int kLast = LedCanvas::kUnits - 1;
// Far enough outside the canvas to draw nothing, near enough to walk cheaply
// and to keep the integer arithmetic below well away from overflow.
constexpr float kFar = 100000.0f;

// Nearest unit, halves to even (the default rounding mode).
int ToUnit(float v) {
    if (std::isnan(v)) return -static_cast<int>(kFar);
    return static_cast<int>(std::lrint(std::clamp(v, -kFar, kFar)));
}

bool Inside(int x, int y) { return x >= 0 && x <= kLast && y >= 0 && y <= kLast; }

}  // namespace

LedCanvas::LedCanvas() : pixels_(static_cast<std::size_t>(kUnits * kUnits), kBlack) {}

void LedCanvas::Cls() {
    std::fill(pixels_.begin(), pixels_.end(), kBlack);
    Changed();
}

void LedCanvas::Line(float x1, float y1, float x2, float y2, Colour colour) {
    int x = ToUnit(x1), y = ToUnit(y1);
    int xEnd = ToUnit(x2), yEnd = ToUnit(y2);
    // Grid and column lines are upright or level and run far past the canvas:
    // only their visible part is drawn. Other lines are walked whole (bounded by kFar).
    if (x == xEnd || y == yEnd) {
        UprightOrLevel(x, y, xEnd, yEnd, colour);
        return;
    }
    const int dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const int sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (Inside(x, y)) pixels_[static_cast<std::size_t>(y * kUnits + x)] = colour;
        if (x == xEnd && y == yEnd) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
    Changed();
}

// The grid and the column-count line, walked only where they are visible.
void LedCanvas::UprightOrLevel(int x1, int y1, int x2, int y2, Colour colour) {
    const int left = std::max(0, std::min(x1, x2)), right = std::min(kLast, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2)), bottom = std::min(kLast, std::max(y1, y2));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) pixels_[static_cast<std::size_t>(y * kUnits + x)] = colour;
    Changed();
}

void LedCanvas::FilledBox(float x1, float y1, float x2, float y2, Colour colour) {
    const int left = std::max(0, std::min(ToUnit(x1), ToUnit(x2)));
    const int right = std::min(kLast, std::max(ToUnit(x1), ToUnit(x2)));
    int top = std::max(0, std::min(ToUnit(y1), ToUnit(y2)));
    const int bottom = std::min(kLast, std::max(ToUnit(y1), ToUnit(y2)));
    if (left > right) top = bottom + 1;  // wholly left or right of the canvas
    for (int y = top; y <= bottom; ++y) {
        const auto row = pixels_.begin() + y * kUnits;
        std::fill(row + left, row + right + 1, colour);
    }
    Changed();
}

Colour LedCanvas::Point(float x, float y) const {
    const int ux = ToUnit(x), uy = ToUnit(y);
    if (!Inside(ux, uy)) return kOutsideCanvas;
    return pixels_[static_cast<std::size_t>(uy * kUnits + ux)];
}

}  // namespace ledfont
