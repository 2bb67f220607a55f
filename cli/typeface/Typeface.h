#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

#include "GlyphInk.h"
#include "TypefaceImport.h"

namespace ledfont::cli {

// A 26.6 fixed-point length of FreeType and HarfBuzz in whole pixels, halves away from zero.
constexpr int PixelsOf26Dot6(long value) {
    return static_cast<int>(value >= 0 ? (value + 32) / 64 : -((-value + 32) / 64));
}

// A TrueType or OpenType typeface opened with FreeType, set to a pixel size,
// rendering glyphs into LEDs: 1-bit, or grey cut at a threshold.
class Typeface {
public:
    // Throws BadFileModeError for a file FreeType cannot read as a scalable typeface.
    Typeface(const std::string& path, const RenderSettings& render);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    void SetPixelSize(int pixels);
    int PixelSize() const { return size_; }

    // The glyph the character map gives a code point; 0 when there is none.
    unsigned GlyphOf(char32_t codePoint) const;
    // The ink of one glyph at the pen, with its advance in whole pixels.
    GlyphInk Render(unsigned glyph) const;
    // How far the glyph's outline reaches above (top) and below (bottom,
    // negative) the baseline, in ems, unscaled and unhinted: cheap to find,
    // for a first guess of a size.
    struct Reach {
        double top = 0;
        double bottom = 0;
    };
    Reach OutlineReach(unsigned glyph) const;

    FT_Face Face() const { return face_; }
    // The FreeType load flags of the hinting; a shaper measures with the same.
    int LoadFlags() const;
    // The lines above and below the baseline that the typeface asks for at
    // this size (its ascender and descender), in whole pixels.
    int Ascender() const;
    int Descender() const;

private:
    [[noreturn]] void Fail(FT_Error error, const std::string& action) const;

    std::string path_;
    RenderSettings render_;
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    int size_ = 0;
};

}  // namespace ledfont::cli
