#include "sign_devanagari.h"

int sign_is_devanagari(uint32_t ch) { return ch >= SIGN_FIRST_DEVANAGARI && ch <= SIGN_LAST_DEVANAGARI; }

int sign_is_consonant(uint32_t ch) {
    return (ch >= 0x0915ul && ch <= 0x0939ul) || (ch >= 0x0958ul && ch <= 0x095Ful) ||
           (ch >= 0x0978ul && ch <= 0x097Ful);
}

int sign_is_joiner(uint32_t ch) { return ch == SIGN_ZWNJ || ch == SIGN_ZWJ; }

int sign_reaches_left(uint32_t ch) { return ch == 0x0940ul || ch == 0x094Bul || ch == 0x094Cul; }
