#include "sign_utf8.h"

/* What a lead byte of two, three or four bytes holds: the bits that mark it,
 * and the smallest character such a sequence may stand for (below it the
 * sequence is overlong). */
struct lead_byte {
    uint8_t mask;
    uint8_t marker;
    uint8_t length;
    uint32_t smallest;
};

static const struct lead_byte lead_bytes[] = {
    {0xE0u, 0xC0u, 2u, 0x80ul}, {0xF0u, 0xE0u, 3u, 0x800ul}, {0xF8u, 0xF0u, 4u, 0x10000ul}};

size_t sign_utf8_decode(const uint8_t* bytes, size_t size, uint32_t* ch) {
    size_t kind;
    if (size == 0) return 0;
    if (bytes[0] < 0x80u) {
        *ch = bytes[0];
        return 1;
    }
    for (kind = 0; kind < sizeof lead_bytes / sizeof lead_bytes[0]; ++kind) {
        const struct lead_byte* lead = &lead_bytes[kind];
        uint32_t value;
        size_t k;
        if ((bytes[0] & lead->mask) != lead->marker) continue;
        if (size < lead->length) return 0;
        value = (uint32_t)(bytes[0] & (uint8_t)~lead->mask);
        for (k = 1; k < lead->length; ++k) {
            if ((bytes[k] & 0xC0u) != 0x80u) return 0;
            value = (value << 6) | (uint32_t)(bytes[k] & 0x3Fu);
        }
        if (value < lead->smallest || value > 0x10FFFFul || (value >= 0xD800ul && value <= 0xDFFFul))
            return 0;
        *ch = value;
        return lead->length;
    }
    return 0; /* a continuation byte, or a byte no UTF-8 holds */
}
