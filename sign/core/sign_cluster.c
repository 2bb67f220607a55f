#include "sign_cluster.h"

#include "sign_devanagari.h"

/* The letters with a nukta that Unicode also has as one character. */
static uint8_t nukta_code(uint8_t plain) {
    switch (plain) {
        case 0x15:
            return 0x58; /* क़ */
        case 0x16:
            return 0x59; /* ख़ */
        case 0x17:
            return 0x5A; /* ग़ */
        case 0x1C:
            return 0x5B; /* ज़ */
        case 0x21:
            return 0x5C; /* ड़ */
        case 0x22:
            return 0x5D; /* ढ़ */
        case 0x2B:
            return 0x5E; /* फ़ */
        case 0x2F:
            return 0x5F; /* य़ */
        case 0x28:
            return 0x29; /* ऩ */
        case 0x30:
            return 0x31; /* ऱ */
        case 0x33:
            return 0x34; /* ऴ */
        default:
            return plain;
    }
}

size_t sign_consonant_code(const uint32_t* ahead, size_t count, uint8_t* code) {
    *code = (uint8_t)(ahead[0] - SIGN_FIRST_DEVANAGARI);
    if (count > 1 && ahead[1] == SIGN_NUKTA) {
        *code = nukta_code(*code);
        return 2;
    }
    return 1;
}

/* One consonant of a cluster as the text has it. */
typedef struct Link {
    uint8_t code;
    uint8_t length; /* the consonant and its nukta */
    uint8_t joiner; /* 0, or the joiner after its virama */
    uint8_t virama; /* nonzero when a virama follows and then a consonant */
    uint8_t reach;  /* the characters up to the next consonant, when virama */
} Link;

static Link link_at(const uint32_t* ahead, size_t count) {
    Link link;
    size_t at;
    link.code = 0;
    link.joiner = 0;
    link.virama = 0;
    link.length = (uint8_t)sign_consonant_code(ahead, count, &link.code);
    at = link.length;
    if (at >= count || ahead[at] != SIGN_VIRAMA) {
        link.reach = (uint8_t)at;
        return link;
    }
    ++at;
    if (at < count && sign_is_joiner(ahead[at])) link.joiner = ahead[at] == SIGN_ZWJ ? 2u : 1u;
    if (link.joiner) ++at;
    link.reach = (uint8_t)at;
    link.virama = at < count && sign_is_consonant(ahead[at]);
    return link;
}

static int joined(SignJoin* join, SignJoinKind kind, uint8_t glyph, size_t characters) {
    join->kind = (uint8_t)kind;
    join->glyph = glyph;
    join->characters = (uint8_t)characters;
    return 1;
}

int sign_join_at(const SignFonts* fonts, const uint32_t* ahead, size_t count, int cluster_start,
                 SignJoin* join) {
    const Link first = link_at(ahead, count < SIGN_CLUSTER_AHEAD ? count : SIGN_CLUSTER_AHEAD);
    const size_t known = count < SIGN_CLUSTER_AHEAD ? count : SIGN_CLUSTER_AHEAD;
    const int ra = first.code == SIGN_RA_CODE;
    uint8_t conjunct = 0;
    uint8_t half = 0;
    int has_conjunct = 0;
    int has_half = 0;
    Link second;
    joined(join, SIGN_JOIN_NONE, 0, 1);
    if (!first.virama || first.joiner == 1u) return 1;
    if (first.joiner == 2u) {
        /* ZWJ: the half form or nothing; र's is never drawn */
        if (ra) return 1;
        has_half = sign_find_conjunct(fonts, first.code, SIGN_VIRAMA_CODE, &half);
        if (has_half < 0) return 0;
        return has_half ? joined(join, SIGN_JOIN_HALF, half, first.reach) : 1;
    }
    second = link_at(ahead + first.reach, known - first.reach);
    has_conjunct = sign_find_conjunct(fonts, first.code, second.code, &conjunct);
    if (has_conjunct < 0) return 0;
    if (ra) {
        if (has_conjunct) return joined(join, SIGN_JOIN_CONJUNCT, conjunct, first.reach + second.length);
        if (!cluster_start) return 1;
        has_half = sign_find_conjunct(fonts, SIGN_RA_CODE, SIGN_VIRAMA_CODE, &half);
        if (has_half < 0) return 0;
        return has_half ? joined(join, SIGN_JOIN_REPH, half, first.reach) : 1;
    }
    if (!has_conjunct && second.code == SIGN_RA_CODE && !first.joiner) {
        uint8_t rakar = 0;
        const int has_rakar = sign_find_conjunct(fonts, SIGN_VIRAMA_CODE, SIGN_RA_CODE, &rakar);
        if (has_rakar < 0) return 0;
        if (has_rakar) return joined(join, SIGN_JOIN_RAKAR, rakar, first.reach + second.length);
    }
    has_half = sign_find_conjunct(fonts, first.code, SIGN_VIRAMA_CODE, &half);
    if (has_half < 0) return 0;
    if (has_conjunct && has_half && second.virama && second.joiner != 1u) {
        /* the half form, when the second joins on by a half form or a conjunct of its own */
        const size_t third = first.reach + second.reach;
        uint8_t code = SIGN_VIRAMA_CODE;
        uint8_t unused = 0;
        int on = 0;
        if (second.code != SIGN_RA_CODE)
            on = sign_find_conjunct(fonts, second.code, SIGN_VIRAMA_CODE, &unused);
        if (on == 0 && !second.joiner) {
            sign_consonant_code(ahead + third, known - third, &code);
            on = sign_find_conjunct(fonts, second.code, code, &unused);
        }
        if (on < 0) return 0;
        if (on) return joined(join, SIGN_JOIN_HALF, half, first.reach);
    }
    if (has_conjunct) return joined(join, SIGN_JOIN_CONJUNCT, conjunct, first.reach + second.length);
    if (has_half) return joined(join, SIGN_JOIN_HALF, half, first.reach);
    return 1;
}
