#ifndef SIGN_CLUSTER_H
#define SIGN_CLUSTER_H

/* How a consonant joins the consonant after it: the Jukta glyphs of a
 * cluster. A consonant, a virama and a consonant are drawn
 * - as one conjunct glyph, when the Jukta font has a glyph whose code pair is
 *   the two consonants' code bytes (क्ष: 15 37);
 * - else as the first consonant's half form, the Jukta glyph of the pair
 *   (consonant, 4D), spacing, followed by the second, which may join on;
 * - else as the three glyphs, the virama seen.
 * In a cluster of three consonants or more, a half form goes before a
 * conjunct of the first two when the second joins on by either way.
 * र + virama at the start of a cluster, before a consonant, is the reph: the
 * Jukta glyph of the pair (30, 4D), a mark drawn above the right end of the
 * syllable; a conjunct of र and the consonant still wins. र has no half form.
 * A consonant, a virama and र without a conjunct glyph of their own are the
 * consonant and the rakar, the Jukta glyph of the pair (4D, 30), a mark on
 * the consonant's stem, before a half form: one rakar serves क्र ग्र द्र…
 * A consonant with a nukta, one character (U+0958..U+095F) or the letter and
 * U+093C, joins like any other; its code byte is the precomposed letter's
 * low byte where Unicode has one (29 31 34 58..5F) and the plain letter's
 * otherwise. After a virama, ZWNJ asks for the three glyphs and ZWJ for the
 * half form (the three glyphs when there is none, and always after र). */

#include <stddef.h>
#include <stdint.h>

#include "sign_devanagari.h"
#include "sign_fonts.h"

#ifdef __cplusplus
extern "C" {
#endif

#define SIGN_RA_CODE 0x30u     /* र */
#define SIGN_VIRAMA_CODE 0x4Du /* the second code byte of a half form and of the reph */

/* The characters from a consonant on that decide how it joins: the consonant
 * and its nukta, a virama and a joiner, the next consonant and its nukta, and
 * the same again for the consonant after it. */
#define SIGN_CLUSTER_AHEAD 10u

typedef enum SignJoinKind {
    SIGN_JOIN_NONE = 0, /* the consonant alone, as its Hindi glyph */
    SIGN_JOIN_CONJUNCT, /* a conjunct glyph for it and the consonant after */
    SIGN_JOIN_HALF,     /* its half form; the consonant after follows */
    SIGN_JOIN_REPH,     /* र + virama as the reph */
    SIGN_JOIN_RAKAR     /* the consonant alone and the rakar mark for virama + र */
} SignJoinKind;

typedef struct SignJoin {
    uint8_t kind;       /* SignJoinKind */
    uint8_t glyph;      /* the Jukta glyph, unless SIGN_JOIN_NONE */
    uint8_t characters; /* the characters of the text it takes */
} SignJoin;

/* The code byte of the consonant at ahead[0] with its nukta (U+093C) if one
 * follows within count; returns the characters they take (1 or 2). */
size_t sign_consonant_code(const uint32_t* ahead, size_t count, uint8_t* code);

/* How the consonant at ahead[0] (count characters known from it, at most
 * SIGN_CLUSTER_AHEAD used) joins; cluster_start is nonzero when no virama
 * joins it to a consonant before. Returns 1, or 0 when a read failed. */
int sign_join_at(const SignFonts* fonts, const uint32_t* ahead, size_t count, int cluster_start,
                 SignJoin* join);

#ifdef __cplusplus
}
#endif

#endif
