#include "Picture.h"

#include <algorithm>
#include <string>

#include "Error.h"

namespace ledfont::picture {
namespace {

// The pixels [from, from + length) cut to [0, side), as a start and an end;
// 64-bit, so that no sum of two ints can overflow.
std::pair<std::int64_t, std::int64_t> Clip(int from, int length, int side) {
    const std::int64_t start = std::max<std::int64_t>(from, 0);
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{from} + length, side);
    return {start, std::max(start, end)};
}

}  // namespace

Picture::Picture(int width, int height, Rgb colour) : width_(width), height_(height) {
    if (width < 0 || height < 0)
        throw InvalidCallError("Invalid procedure call or argument (a picture of " + std::to_string(width) +
                               " x " + std::to_string(height) + " pixels)");
    rgb_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    Fill(colour);
}

void Picture::Fill(Rgb colour) { FillRect(0, 0, width_, height_, colour); }

void Picture::FillRect(int left, int top, int width, int height, Rgb colour) {
    const auto [x0, x1] = Clip(left, width, width_);
    const auto [y0, y1] = Clip(top, height, height_);
    for (std::int64_t y = y0; y < y1; ++y) {
        auto pixel = rgb_.begin() + (y * width_ + x0) * 3;
        for (std::int64_t x = x0; x < x1; ++x) {
            *pixel++ = colour.red;
            *pixel++ = colour.green;
            *pixel++ = colour.blue;
        }
    }
}

Rgb Picture::At(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        throw SubscriptError("Subscript out of range: pixel (" + std::to_string(x) + ", " +
                             std::to_string(y) + ") of a picture of " + std::to_string(width_) + " x " +
                             std::to_string(height_));
    const std::size_t at =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    return {rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

}  // namespace ledfont::picture
