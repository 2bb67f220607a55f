#include "ConjunctShaper.h"

#include <hb-ft.h>
#include <hb.h>

#include <algorithm>

namespace ledfont::cli {
ConjunctShaper::ConjunctShaper(const Typeface& typeface)
    : typeface_(typeface), font_(hb_ft_font_create_referenced(typeface.Face())), buffer_(hb_buffer_create()) {
    // Positions in the same units and with the same hinting as the glyphs drawn.
    hb_ft_font_set_load_flags(font_, typeface.LoadFlags());
}

ConjunctShaper::~ConjunctShaper() {
    hb_buffer_destroy(buffer_);
    hb_font_destroy(font_);
}

unsigned ConjunctShaper::Shape(const std::string& text) {
    hb_buffer_reset(buffer_);
    hb_buffer_add_utf8(buffer_, text.data(), static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
    hb_buffer_set_direction(buffer_, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer_, HB_SCRIPT_DEVANAGARI);
    hb_buffer_set_language(buffer_, hb_language_from_string("hi", -1));
    // A line may start with a sign; draw it as it is, without a dotted circle.
    hb_buffer_set_flags(buffer_, static_cast<hb_buffer_flags_t>(HB_BUFFER_FLAG_BOT | HB_BUFFER_FLAG_EOT |
                                                                HB_BUFFER_FLAG_DO_NOT_INSERT_DOTTED_CIRCLE));
    // Each character keeps a cluster of its own, so that a mark is told from its base.
    hb_buffer_set_cluster_level(buffer_, HB_BUFFER_CLUSTER_LEVEL_CHARACTERS);
    hb_shape(font_, buffer_, nullptr, 0);
    return hb_buffer_get_length(buffer_);
}

std::optional<GlyphInk> ConjunctShaper::InkOfShaped(const std::vector<std::uint32_t>& leftOut) const {
    unsigned count = 0;
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer_, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, &count);
    GlyphInk ink;
    hb_position_t penX = 0;
    hb_position_t penY = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (glyphs[i].codepoint == 0) return std::nullopt;
        if (std::find(leftOut.begin(), leftOut.end(), glyphs[i].codepoint) == leftOut.end())
            ink.Add(typeface_.Render(glyphs[i].codepoint), PixelsOf26Dot6(penX + positions[i].x_offset),
                    PixelsOf26Dot6(penY + positions[i].y_offset));
        penX += positions[i].x_advance;
        penY += positions[i].y_advance;
    }
    ink.advance = PixelsOf26Dot6(penX);
    return ink;
}

std::optional<GlyphInk> ConjunctShaper::Draw(const std::string& text) {
    Shape(text);
    return InkOfShaped({});
}

std::optional<ConjunctShaper::MarkPlace> ConjunctShaper::PlaceMark(const std::string& base,
                                                                   const std::string& mark) {
    const unsigned count = Shape(base + mark);
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer_, nullptr);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, nullptr);
    hb_position_t penX = 0;
    std::optional<MarkPlace> place;
    for (unsigned i = 0; i < count; ++i) {
        if (glyphs[i].codepoint == 0) return std::nullopt;
        // Clusters are byte offsets of the text: the mark's own starts after the base.
        if (glyphs[i].cluster >= base.size() && !place)
            place = MarkPlace{PixelsOf26Dot6(penX + positions[i].x_offset), glyphs[i].codepoint};
        penX += positions[i].x_advance;
    }
    return place;
}

}  // namespace ledfont::cli
