#include "sign_draw.h"

/* The outlined box of a placeholder, in rows 2..11 (counted from 0), as the bitmap of a record. */
static void placeholder_bitmap(uint8_t* bitmap) {
    unsigned x;
    for (x = 0; x < SIGN_PLACEHOLDER_BOX; ++x) {
        const int side = x == 0 || x == SIGN_PLACEHOLDER_BOX - 1u;
        bitmap[2u * x] = side ? 0x03u : 0xFBu;     /* rows 2..7, or row 2 */
        bitmap[2u * x + 1u] = side ? 0xF0u : 0xF7u; /* rows 8..11, or row 11 */
    }
}

SignStatus sign_draw(const SignFonts* fonts, const SignGlyph* glyphs, size_t glyph_count, int32_t first,
                     uint8_t* columns, size_t column_count) {
    size_t i;
    for (i = 0; i < 2u * column_count; ++i) columns[i] = 0xFFu;
    for (i = 0; i < glyph_count; ++i) {
        const SignGlyph* glyph = &glyphs[i];
        uint8_t bitmap[2 * SIGN_GRID_SIDE];
        unsigned x;
        if (glyph->columns == 0) continue;
        if (glyph->flags & SIGN_GLYPH_PLACEHOLDER)
            placeholder_bitmap(bitmap);
        else if (!fonts->read(fonts->context, sign_record_offset((SignFont)glyph->font, glyph->glyph, 2),
                              bitmap, 2u * glyph->columns))
            return SIGN_READ_FAILED;
        for (x = 0; x < glyph->columns; ++x) {
            const int32_t column = glyph->column + (int32_t)x;
            /* in unsigned arithmetic, so that no difference of two columns can overflow */
            const uint32_t offset = (uint32_t)column - (uint32_t)first;
            if (column < first || offset >= column_count) continue;
            columns[2u * offset] &= bitmap[2u * x];
            columns[2u * offset + 1u] &= bitmap[2u * x + 1u];
        }
    }
    return SIGN_OK;
}
