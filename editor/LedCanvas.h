#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace ledfont {

// 0xRRGGBB; black (0) is a dark LED and the canvas background.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0xFF0000;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0x0000FF;
inline constexpr Colour kOutsideCanvas = 0xFFFFFFFF;  // Point outside the drawing area

// The retained picture of the LED canvas, in canvas units: 161 x 161, one
// element per unit, origin top-left. Whatever is drawn stays until Cls.
// Drawing outside the area is clipped; Point is a plain array lookup.
class LedCanvas {
public:
    static constexpr int kUnits = 161;

    LedCanvas();

    void Cls();  // fill with black
    // A line between two points, both ends included; coordinates are rounded
    // to the nearest unit. Any length is fine: only the visible part is walked.
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    // A filled box whose two corners are both included.
    void FilledBox(float x1, float y1, float x2, float y2, Colour colour);
    // A filled square of side x side units with its top left at (left, top),
    // in whole units: what painting an LED cell draws, without the rounding
    // and with a row loop the compiler can unroll. Clipped like FilledBox.
    template <int side>
    void FilledSquare(long long left, long long top, Colour colour) {
        if (left < 0 || top < 0 || left + side > kUnits || top + side > kUnits) {
            const auto x = static_cast<float>(left), y = static_cast<float>(top);
            FilledBox(x, y, x + (side - 1), y + (side - 1), colour);
            return;
        }
        Colour* row = pixels_.data() + top * kUnits + left;
        for (int y = 0; y < side; ++y, row += kUnits)
            for (int x = 0; x < side; ++x) row[x] = colour;
        Changed();
    }
    // The colour last drawn at (x, y), or kOutsideCanvas outside 0..160.
    Colour Point(float x, float y) const;
    // The same for a whole-unit point, without the rounding: the read-back's hot path.
    Colour PointAt(int x, int y) const {
        if (x < 0 || x >= kUnits || y < 0 || y >= kUnits) return kOutsideCanvas;
        return pixels_[static_cast<std::size_t>(y * kUnits + x)];
    }

    // Row-major kUnits x kUnits colours, for the widget that shows the canvas.
    const Colour* Pixels() const { return pixels_.data(); }

    // Called after every drawing operation, so a widget can schedule a repaint.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    void UprightOrLevel(int x1, int y1, int x2, int y2, Colour colour);
    void Changed() const {
        if (listener_) listener_();
    }
    std::vector<Colour> pixels_;
    std::function<void()> listener_;
};

}  // namespace ledfont
