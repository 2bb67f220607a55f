#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "GlyphInk.h"
#include "Typeface.h"

struct hb_font_t;
struct hb_buffer_t;

namespace ledfont::cli {

// Shapes Devanagari text with HarfBuzz and draws the glyphs it chose, where it
// placed them, as one ink: a conjunct becomes the ligature or the stack the
// typeface has for it.
class ConjunctShaper {
public:
    // typeface must keep its size while the shaper lives.
    explicit ConjunctShaper(const Typeface& typeface);
    ~ConjunctShaper();
    ConjunctShaper(const ConjunctShaper&) = delete;
    ConjunctShaper& operator=(const ConjunctShaper&) = delete;

    // The ink of text (UTF-8); nothing when the typeface lacks a glyph it needs.
    std::optional<GlyphInk> Draw(const std::string& text);

    // Where HarfBuzz puts mark (UTF-8, one sign) after base: the pixel x of
    // the mark glyph's origin, counted from the pen's start, and the glyph it
    // chose. Nothing when the mark became part of another glyph (रु) or the
    // typeface lacks a glyph.
    struct MarkPlace {
        int x = 0;
        unsigned glyph = 0;
    };
    std::optional<MarkPlace> PlaceMark(const std::string& base, const std::string& mark);

private:
    // Shapes text into buffer_; the number of glyphs.
    unsigned Shape(const std::string& text);
    // The ink of the glyphs in buffer_, those in leftOut (glyph ids) left out, with the
    // whole advance; nothing when the typeface lacks a glyph.
    std::optional<GlyphInk> InkOfShaped(const std::vector<std::uint32_t>& leftOut) const;

    const Typeface& typeface_;
    hb_font_t* font_ = nullptr;
    hb_buffer_t* buffer_ = nullptr;
};

}  // namespace ledfont::cli
