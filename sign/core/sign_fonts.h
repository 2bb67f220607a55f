#ifndef SIGN_FONTS_H
#define SIGN_FONTS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The fonts as the controller image holds them, with offsets counted from the
 * image's start (address 0x9000 of the HEX file): the 128 Hindi records, then
 * the 64 Jukta records, then the Jukta code pairs. A record is 34 bytes:
 * column count, class * 16 + centre column, then two bytes a column (rows
 * 0..7, then 8..15; bit r is row r; 0 is lit). */
#define SIGN_HINDI_RECORDS 0x0000u /* address 0x9000 */
#define SIGN_JUKTA_RECORDS 0x1100u /* address 0xA100 */
#define SIGN_JUKTA_CODES 0x1A00u   /* address 0xAA00: two code bytes a conjunct */
#define SIGN_RECORD_BYTES 34u
#define SIGN_HINDI_GLYPHS 128u
#define SIGN_JUKTA_GLYPHS 64u
#define SIGN_GRID_SIDE 16 /* LEDs across and down a glyph, and down a line */

/* The classes of a record, and the widths the editor offers. */
#define SIGN_CLASS_CONSONANT 0u
#define SIGN_CLASS_VOWEL 1u
#define SIGN_CLASS_IKAAR 2u
#define SIGN_FEWEST_COLUMNS 3u
#define SIGN_MOST_COLUMNS 16u

typedef enum SignFont { SIGN_HINDI = 0, SIGN_JUKTA = 1 } SignFont;

/* Copies count bytes (at most 34) of the image, from offset on, into bytes.
 * Returns nonzero when it did, 0 when it could not (the composition then
 * stops with SIGN_READ_FAILED). Firmware reads flash or program memory
 * wherever the image sits; the desktop reads its font tables. */
typedef int (*SignRead)(void* context, uint16_t offset, uint8_t* bytes, size_t count);

/* The fonts a line is composed with. */
typedef struct SignFonts {
    SignRead read;
    void* context; /* handed to read as it is */
    int has_jukta; /* nonzero when the image holds a Jukta font */
} SignFonts;

/* The first two bytes of a record. */
typedef struct SignRecordHead {
    uint8_t column_count;
    uint8_t glyph_class; /* byte 1 / 16: 0..15, of which the editor offers 0..2 */
    uint8_t centre;      /* byte 1 % 16 */
} SignRecordHead;

/* The offset of byte `byte` of glyph's record in font. */
uint16_t sign_record_offset(SignFont font, uint8_t glyph, uint8_t byte);

/* Reads the head of glyph's record into *head; 0 when the read failed. */
int sign_read_head(const SignFonts* fonts, SignFont font, uint8_t glyph, SignRecordHead* head);

/* Finds the first Jukta glyph whose code pair is (first, second): stores its
 * index in *glyph and returns 1; returns 0 when there is none (or no Jukta
 * font), -1 when a read failed. */
int sign_find_conjunct(const SignFonts* fonts, uint8_t first, uint8_t second, uint8_t* glyph);

#ifdef __cplusplus
}
#endif

#endif
