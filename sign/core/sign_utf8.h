#ifndef SIGN_UTF8_H
#define SIGN_UTF8_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Decodes the character that starts at bytes[0], of size bytes: stores its
 * code point in *ch and returns how many bytes it takes (1..4). Returns 0 when
 * size is 0 or the bytes there are no UTF-8: a stray continuation byte, a cut
 * or overlong sequence, a surrogate, a value past U+10FFFF. */
size_t sign_utf8_decode(const uint8_t* bytes, size_t size, uint32_t* ch);

#ifdef __cplusplus
}
#endif

#endif
