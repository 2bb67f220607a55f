#include "sign_devanagari.h"

int sign_is_devanagari(uint32_t ch) { return ch >= SIGN_FIRST_DEVANAGARI && ch <= SIGN_LAST_DEVANAGARI; }

int sign_is_consonant(uint32_t ch) {
    return (ch >= 0x0915ul && ch <= 0x0939ul) || (ch >= 0x0958ul && ch <= 0x095Ful) ||
           (ch >= 0x0978ul && ch <= 0x097Ful);
}
