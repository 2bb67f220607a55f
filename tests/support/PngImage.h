#pragma once

// A PNG file decoded with libpng's own reader into 8-bit RGB, so tests look
// at the pixels whatever encoder wrote them.
#include <png.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace ledfont::test {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Colour& c) {
        return out << "rgb(" << c.red << ", " << c.green << ", " << c.blue << ")";
    }
};

struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // rows from the top, 3 bytes a pixel
    std::string problem;            // why it could not be read; empty when it was

    bool IsNull() const { return !problem.empty(); }
    Colour At(int x, int y) const {
        const std::size_t at =
            (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        return {rgb.at(at), rgb.at(at + 1), rgb.at(at + 2)};
    }
    friend bool operator==(const PngImage& a, const PngImage& b) {
        return a.problem == b.problem && a.width == b.width && a.height == b.height && a.rgb == b.rgb;
    }
};

inline PngImage ReadPng(const std::string& bytes) {
    PngImage image;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        image.problem = png.message[0] ? png.message : "not a PNG";
        return image;
    }
    png.format = PNG_FORMAT_RGB;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgb.resize(static_cast<std::size_t>(png.width) * png.height * 3);
    if (!png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr)) {
        image.problem = png.message[0] ? png.message : "broken PNG";
        image.rgb.clear();
    }
    png_image_free(&png);
    return image;
}

}  // namespace ledfont::test
