#ifndef SIGN_DEVANAGARI_H
#define SIGN_DEVANAGARI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The characters a line of a sign may hold, and the ones its composition
 * treats specially. Character U+09xx is Hindi glyph xx, and xx is also the
 * byte a Jukta code pair holds for it. */
#define SIGN_SPACE 0x0020ul
#define SIGN_FIRST_DEVANAGARI 0x0900ul
#define SIGN_LAST_DEVANAGARI 0x097Ful
#define SIGN_NUKTA 0x093Cul  /* the dot under a consonant: U+0915 U+093C is U+0958 */
#define SIGN_VIRAMA 0x094Dul /* joins the consonant before it to the one after */
#define SIGN_ZWNJ 0x200Cul   /* zero width non-joiner */
#define SIGN_ZWJ 0x200Dul    /* zero width joiner */

/* Nonzero for U+0900..U+097F. */
int sign_is_devanagari(uint32_t ch);

/* Nonzero for the consonant letters: U+0915..U+0939, the letters with a
 * nukta U+0958..U+095F, and the later consonant letters U+0978..U+097F
 * (Marwari, Sindhi, Kashmiri and others). These are what a virama joins into
 * clusters and conjuncts; independent vowels, signs and digits are not. */
int sign_is_consonant(uint32_t ch);

/* Nonzero for ZWJ and ZWNJ: accepted in a line, drawn as nothing. */
int sign_is_joiner(uint32_t ch);

/* Nonzero for the vowel signs whose hook reaches left over the consonant
 * before them: U+0940 (ii), U+094B (o), U+094C (au). */
int sign_reaches_left(uint32_t ch);

#ifdef __cplusplus
}
#endif

#endif
