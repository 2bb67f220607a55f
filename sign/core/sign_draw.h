#ifndef SIGN_DRAW_H
#define SIGN_DRAW_H

#include <stddef.h>
#include <stdint.h>

#include "sign_compose.h"
#include "sign_fonts.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Draws composed glyphs into the columns first .. first + column_count - 1
 * of the line (first may be left of the line, for text that scrolls in).
 * columns receives 2 bytes a column in the order of a glyph record: rows
 * 0..7, then rows 8..15, bit r row r, 0 lit. Every LED starts dark; each
 * glyph lights its lit LEDs across its drawn columns, and lit LEDs add up: a
 * dark one erases nothing; a placeholder (SIGN_GLYPH_PLACEHOLDER) lights its
 * box, read from no font. Returns SIGN_READ_FAILED when a read failed. */
SignStatus sign_draw(const SignFonts* fonts, const SignGlyph* glyphs, size_t glyph_count, int32_t first,
                     uint8_t* columns, size_t column_count);

#ifdef __cplusplus
}
#endif

#endif
