#ifndef SIGN_COMPOSE_H
#define SIGN_COMPOSE_H

/* The composition of a line of Devanagari as a sign shows it, in portable
 * C99 for the desktop and for a controller alike: no allocation, no
 * recursion, output only into the caller's buffers. A call of sign_compose,
 * sign_compose_utf8 or sign_draw takes at most SIGN_STACK_BOUND bytes of
 * stack besides what the read function (and memset, memmove) take: checked
 * by the build with gcc's call graph on x86-64 at -O0, -O2 and -Os, where it
 * is 760, 552 and 544 bytes. A controller with 4-byte pointers takes less. */

#include <stddef.h>
#include <stdint.h>

#include "sign_fonts.h"

#ifdef __cplusplus
extern "C" {
#endif

#define SIGN_STACK_BOUND 800

/* The longest text composed: 2^23 - 1 characters keep every column of the
 * line, 255 at most a character, inside an int32_t. */
#define SIGN_MOST_CHARACTERS 8388607ul

typedef enum SignStatus {
    SIGN_OK = 0,
    SIGN_NO_ROOM,        /* a buffer is too small: glyph_count and warning_count say what is needed */
    SIGN_NOT_UTF8,       /* the bytes at error_offset are no UTF-8 */
    SIGN_NOT_DEVANAGARI, /* no longer returned: a character the fonts lack is drawn as a placeholder */
    SIGN_READ_FAILED,    /* the read function failed */
    SIGN_TOO_LONG        /* more than SIGN_MOST_CHARACTERS characters */
} SignStatus;

/* SignGlyph.flags */
#define SIGN_GLYPH_MARK 0x01u  /* stands on the glyph before it and takes no columns */
#define SIGN_GLYPH_MOVED 0x02u /* drawn before the cluster it follows in the text */
/* A character the fonts lack (a Latin letter, a digit, punctuation...),
 * drawn as an outlined box in rows 3..12 (counted from 1), its font and
 * glyph meaning nothing: SIGN_PLACEHOLDER_BOX columns wide, taking
 * SIGN_PLACEHOLDER_COLUMNS, its centre column SIGN_PLACEHOLDER_CENTRE. */
#define SIGN_GLYPH_PLACEHOLDER 0x04u
#define SIGN_PLACEHOLDER_BOX 5u
#define SIGN_PLACEHOLDER_COLUMNS 6u
#define SIGN_PLACEHOLDER_CENTRE 3u

/* One glyph where the sign shows it. */
typedef struct SignGlyph {
    int32_t column;     /* the line column of its column 0; left of the line for some marks */
    uint32_t character; /* its first character in the text, counted from 0 */
    uint8_t font;       /* SignFont */
    uint8_t glyph;      /* its index in that font */
    uint8_t columns;    /* how many of its columns are drawn: its column count, or up to its
                           last lit column when it lights LEDs further right; at most 16 */
    uint8_t flags;      /* SIGN_GLYPH_... */
} SignGlyph;

/* Something drawn as its record says rather than as the model would have
 * it, told with the glyph and the character it comes from. */
typedef enum SignWarningCode {
    SIGN_WARN_COLUMN_COUNT = 1, /* detail: the column count, outside 3..16; drawn that wide */
    SIGN_WARN_CLASS,            /* detail: the class, outside 0..2; drawn as a consonant */
    SIGN_WARN_MARK_ALONE,       /* a mark with nothing before it; drawn where it is, detail columns wide */
    SIGN_WARN_LEDS_OUTSIDE,     /* detail: lit LEDs of a mark outside the line, not shown */
    SIGN_WARN_PLACEHOLDER,      /* detail: the code point, 0xFFFF for one past U+FFFE; drawn as a box */
    SIGN_WARN_BLANK_GLYPH       /* the record lights nothing: the character does not show */
} SignWarningCode;

typedef struct SignWarning {
    uint32_t character; /* counted from 0 */
    uint16_t detail;
    uint8_t code; /* SignWarningCode */
    uint8_t font;
    uint8_t glyph;
} SignWarning;

/* The caller's buffers, and what a composition wrote into them. A line has
 * at most one glyph a character and four warnings a glyph. */
typedef struct SignLine {
    SignGlyph* glyphs; /* in the order they are drawn */
    size_t glyph_capacity;
    SignWarning* warnings; /* in the order of the text; NULL to have them only counted */
    size_t warning_capacity;

    size_t glyph_count;
    size_t warning_count;
    int32_t columns; /* the columns the line takes */
    /* Where SIGN_NOT_UTF8 or SIGN_NOT_DEVANAGARI stopped: the character,
     * counted from 0; its offset in the text (a byte of UTF-8, an index of
     * code points); the code point. */
    size_t error_character;
    size_t error_offset;
    uint32_t error_code_point;
} SignLine;

/* Composes text as the sign shows it:
 * - character U+09xx is Hindi glyph xx; a space is space_columns dark columns;
 *   ZWJ and ZWNJ are drawn as nothing; any other character is a placeholder
 *   box (SIGN_GLYPH_PLACEHOLDER), told as a warning;
 * - a consonant, a virama and a consonant are one Jukta glyph when the Jukta
 *   font has a glyph whose code pair is the low bytes of the two consonants
 *   (U+0915 U+094D U+0937: 15 37), else the first one's half form (the pair
 *   consonant, 4D) and the second, else the three glyphs; र + virama at the
 *   start of a cluster is the reph (30 4D), a mark that stands after the base
 *   and after ा ी ो ौ; nukta letters, ZWNJ and ZWJ as sign_cluster.h tells.
 *   A consonant and a nukta that join nothing are the Hindi glyph of the
 *   letter Unicode composes of them (U+0915 U+093C: glyph 58, क़) when that
 *   glyph lights anything, else the two glyphs, the nukta a mark; such a
 *   consonant and a vowel sign below it (U+0941..U+0944) are one Jukta glyph
 *   when the Jukta font has the pair (consonant, sign): रु is 30 41; so are
 *   े or ै and the ं or ँ after it (ें is 47 02), a mark when the font says;
 *   Read from the left: a consonant joined into a conjunct joins nothing more;
 * - a glyph of class 0 takes its column count in columns, left to right;
 * - every lit LED of a glyph is drawn, those right of its column count too:
 *   they overhang the glyphs after it (an ikaar's arc over its cluster), and
 *   the line is as long as its last lit LED needs;
 * - a left-reaching vowel sign (U+0940, U+094B, U+094C) of class 0 after a
 *   glyph of its word reaches left over that glyph: its columns left of its
 *   centre column are drawn over it, and it takes the rest (its column count
 *   less centre column - 1). With a centre column of 1 it reaches nowhere;
 * - a glyph of class 1 (a mark) takes none: its centre column is put on the
 *   centre column of the glyph before it, marks between them skipped;
 * - a glyph of class 2 (ikaar) that follows a cluster, a run of consonants
 *   joined by viramas (with their nukta) however it is drawn, goes before the
 *   whole cluster and takes its columns; anywhere else it stands where it is,
 *   as do consonants, viramas and nuktas of class 2.
 * A mark with nothing before it (at the start or after a space) takes its
 * columns, and a left-reaching sign there reaches nowhere. A column count
 * outside 3..16, a class outside 0..2 (taken as 0), a mark with nothing
 * before it, lit LEDs of a mark outside the line and a glyph whose record
 * lights nothing are drawn as the record says and told as warnings. */
SignStatus sign_compose(const SignFonts* fonts, const uint32_t* text, size_t count, uint8_t space_columns,
                        SignLine* line);

/* The same for text in UTF-8, size bytes. */
SignStatus sign_compose_utf8(const SignFonts* fonts, const char* text, size_t size, uint8_t space_columns,
                             SignLine* line);

#ifdef __cplusplus
}
#endif

#endif
