#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ledfont::picture {

// One pixel's colour, 8 bits a channel.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture the companion draws: width x height pixels, stored row by row
// from the top, three bytes (red, green, blue) a pixel. Only filled
// rectangles are drawn into it: every LED picture is made of them.
class Picture {
public:
    // Throws InvalidCallError for a negative side; an empty picture is allowed.
    Picture(int width, int height, Rgb colour = {});

    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(Rgb colour);
    // The part of the rectangle inside the picture; none for a width or height of 0 or less.
    void FillRect(int left, int top, int width, int height, Rgb colour);
    // Throws SubscriptError outside the picture.
    Rgb At(int x, int y) const;

    // All rows, top first; a row is 3 * Width() bytes.
    std::span<const std::uint8_t> Bytes() const { return rgb_; }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> rgb_;
};

}  // namespace ledfont::picture
