#include "sign_fonts.h"

/* Code pairs read at a time while looking for a conjunct: a small buffer on
 * the stack, and a few calls of the read function for the whole table. */
#define PAIRS_A_READ 16u

uint16_t sign_record_offset(SignFont font, uint8_t glyph, uint8_t byte) {
    const unsigned base = font == SIGN_JUKTA ? SIGN_JUKTA_RECORDS : SIGN_HINDI_RECORDS;
    return (uint16_t)(base + glyph * SIGN_RECORD_BYTES + byte);
}

int sign_read_head(const SignFonts* fonts, SignFont font, uint8_t glyph, SignRecordHead* head) {
    uint8_t bytes[2];
    if (!fonts->read(fonts->context, sign_record_offset(font, glyph, 0), bytes, sizeof bytes)) return 0;
    head->column_count = bytes[0];
    head->glyph_class = (uint8_t)(bytes[1] >> 4);
    head->centre = (uint8_t)(bytes[1] & 0x0Fu);
    return 1;
}

int sign_find_conjunct(const SignFonts* fonts, uint8_t first, uint8_t second, uint8_t* glyph) {
    uint8_t pairs[2 * PAIRS_A_READ];
    unsigned start;
    if (!fonts->has_jukta) return 0;
    for (start = 0; start < SIGN_JUKTA_GLYPHS; start += PAIRS_A_READ) {
        unsigned c;
        if (!fonts->read(fonts->context, (uint16_t)(SIGN_JUKTA_CODES + 2u * start), pairs, sizeof pairs))
            return -1;
        for (c = 0; c < PAIRS_A_READ; ++c)
            if (pairs[2u * c] == first && pairs[2u * c + 1u] == second) {
                *glyph = (uint8_t)(start + c);
                return 1;
            }
    }
    return 0;
}
