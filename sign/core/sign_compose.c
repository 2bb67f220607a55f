#include "sign_compose.h"

#include "sign_cluster.h"
#include "sign_devanagari.h"
#include "sign_utf8.h"

/* Text given as code points or as UTF-8; positions are indexes or bytes. */
typedef struct Text {
    const uint32_t* points; /* NULL for UTF-8 */
    const uint8_t* bytes;
    size_t size;
} Text;

/* Where the text stands in a cluster: after one of its consonants (or their
 * nukta), after a virama that may join another, or outside any. */
enum cluster_state { OUTSIDE, AFTER_CONSONANT, AFTER_VIRAMA };

typedef struct Composer {
    const SignFonts* fonts;
    SignLine* line;
    size_t glyphs;            /* picked so far, stored or not */
    uint32_t trailing_spaces; /* after the last glyph */
} Composer;

/* The character at position at, and the positions it takes; 0 at the end or
 * where the bytes are no UTF-8. */
static size_t text_at(const Text* text, size_t at, uint32_t* ch) {
    if (at >= text->size) return 0;
    if (text->points) {
        *ch = text->points[at];
        return 1;
    }
    return sign_utf8_decode(text->bytes + at, text->size - at, ch);
}

static uint8_t hindi_glyph_of(uint32_t ch) { return (uint8_t)(ch - SIGN_FIRST_DEVANAGARI); }

static int is_lit(const uint8_t* bitmap, unsigned x, unsigned y) {
    return (((unsigned)bitmap[2u * x + y / 8u] >> (y % 8u)) & 1u) == 0;
}

static void warn(Composer* c, SignWarningCode code, const SignGlyph* glyph, unsigned detail) {
    SignLine* line = c->line;
    if (line->warnings && line->warning_count < line->warning_capacity) {
        SignWarning* w = &line->warnings[line->warning_count];
        w->character = glyph->character;
        w->detail = (uint16_t)detail;
        w->code = (uint8_t)code;
        w->font = glyph->font;
        w->glyph = glyph->glyph;
    }
    ++line->warning_count;
}

static SignStatus stop_at(SignLine* line, SignStatus status, size_t character, size_t at, uint32_t ch) {
    line->error_character = character;
    line->error_offset = at;
    line->error_code_point = ch;
    return status;
}

/* The glyph's class; a column count or a class the editor cannot show is told. */
static unsigned checked_class(Composer* c, const SignGlyph* glyph, const SignRecordHead* head) {
    if (head->column_count < SIGN_FEWEST_COLUMNS || head->column_count > SIGN_MOST_COLUMNS)
        warn(c, SIGN_WARN_COLUMN_COUNT, glyph, head->column_count);
    if (head->glyph_class > SIGN_CLASS_IKAAR) {
        warn(c, SIGN_WARN_CLASS, glyph, head->glyph_class);
        return SIGN_CLASS_CONSONANT;
    }
    return head->glyph_class;
}

/* Stores glyph at index, moving the glyphs from there on one place right. */
static void insert_glyph(Composer* c, size_t index, const SignGlyph* glyph) {
    SignGlyph* glyphs = c->line->glyphs;
    size_t k;
    if (c->glyphs < c->line->glyph_capacity) {
        for (k = c->glyphs; k > index; --k) glyphs[k] = glyphs[k - 1];
        glyphs[index] = *glyph;
    }
    ++c->glyphs;
}

/* How the consonant at position at joins the characters after it: its Jukta
 * glyph, if any, into *glyph and *join; returns the positions the join takes,
 * or 0 (with *failed set) when a read failed. */
static size_t join_at(Composer* c, const Text* text, size_t at, int cluster_start, SignGlyph* glyph,
                      SignJoin* join, int* failed) {
    uint32_t ahead[SIGN_CLUSTER_AHEAD];
    uint8_t ends[SIGN_CLUSTER_AHEAD]; /* from at: 4 bytes a character at most */
    size_t count = 0;
    size_t next = at;
    while (count < SIGN_CLUSTER_AHEAD) {
        const size_t length = text_at(text, next, &ahead[count]);
        if (length == 0) break;
        next += length;
        ends[count++] = (uint8_t)(next - at);
    }
    *failed = !sign_join_at(c->fonts, ahead, count, cluster_start, join);
    if (*failed) return 0;
    if (join->kind != SIGN_JOIN_NONE && join->kind != SIGN_JOIN_RAKAR) {
        glyph->font = SIGN_JUKTA;
        glyph->glyph = join->glyph;
    }
    return ends[join->characters - 1];
}

static unsigned lit_extent(const Composer* c, const SignGlyph* glyph, int* read_failed);

/* A consonant and the nukta after it are drawn as the letter Unicode composes
 * of them (क + ़ as क़), which the font draws with its dot where the letter
 * wants it, when that glyph lights anything; returns the positions the nukta
 * takes, 0 when it stays a mark of its own (or *failed when a read failed). */
static size_t precomposed_nukta(const Composer* c, const Text* text, size_t at, SignGlyph* glyph, int* failed) {
    uint32_t ahead[2];
    size_t length = text_at(text, at, &ahead[0]);
    size_t nukta = length > 0 ? text_at(text, at + length, &ahead[1]) : 0;
    uint8_t code = 0;
    SignGlyph letter = *glyph;
    if (nukta == 0 || sign_consonant_code(ahead, 2, &code) != 2 || code == glyph->glyph) return 0;
    letter.glyph = code;
    if (lit_extent(c, &letter, failed) == 0) return 0;
    *glyph = letter;
    return nukta;
}

/* A Hindi glyph and the sign after it, one of first..last, are one Jukta
 * glyph when the Jukta font has their pair: a consonant alone and the vowel
 * sign below it (ु ू ृ ॄ) as type draws रु and रू, े or ै and ं or ँ as type
 * stacks them. Returns the positions the sign takes, 0 when it stays a glyph
 * of its own (or *failed when a read failed). */
static size_t ligature_with(const Composer* c, const Text* text, size_t after, uint32_t first, uint32_t last,
                            SignGlyph* glyph, int* failed) {
    uint32_t ch = 0;
    uint8_t found = 0;
    const size_t length = text_at(text, after, &ch);
    int has;
    if (length == 0 || ch < first || ch > last) return 0;
    has = sign_find_conjunct(c->fonts, glyph->glyph, hindi_glyph_of(ch), &found);
    *failed = has < 0;
    if (has <= 0) return 0;
    glyph->font = SIGN_JUKTA;
    glyph->glyph = found;
    return length;
}

/* Whether ch still belongs to the syllable before it: a consonant after a
 * virama, a joiner, a nukta or a virama, a vowel sign or a mark. */
static int continues_syllable(uint32_t ch, enum cluster_state cluster) {
    if (sign_is_consonant(ch)) return cluster == AFTER_VIRAMA;
    return sign_is_joiner(ch) || (ch >= 0x0900ul && ch <= 0x0903ul) || (ch >= 0x093Aul && ch <= 0x094Ful) ||
           (ch >= 0x0951ul && ch <= 0x0957ul) || ch == 0x0962ul || ch == 0x0963ul;
}

/* The signs on the right of a syllable after which a reph stands: ा ी ो ौ. */
static int is_right_sign(uint32_t ch) {
    return ch == 0x093Eul || ch == 0x0940ul || ch == 0x094Bul || ch == 0x094Cul;
}

/* A reph waits for the end of its syllable: then it goes after the base and
 * after the right-side signs, at glyph index at. */
typedef struct Reph {
    int waiting;
    size_t at;
    SignGlyph glyph;
} Reph;

static void place_reph(Composer* c, Reph* reph) {
    if (!reph->waiting) return;
    insert_glyph(c, reph->at, &reph->glyph);
    reph->waiting = 0;
}

/* The rakar of the consonant just picked: a glyph after it, a mark on it
 * when the font makes it one. */
static SignStatus pick_rakar(Composer* c, const SignGlyph* consonant, uint8_t rakar, uint32_t character) {
    SignGlyph glyph = *consonant;
    SignRecordHead head;
    glyph.column = 0;
    glyph.character = character;
    glyph.font = SIGN_JUKTA;
    glyph.glyph = rakar;
    glyph.flags = 0;
    if (!sign_read_head(c->fonts, SIGN_JUKTA, rakar, &head)) return SIGN_READ_FAILED;
    if (checked_class(c, &glyph, &head) == SIGN_CLASS_VOWEL) glyph.flags = SIGN_GLYPH_MARK;
    insert_glyph(c, c->glyphs, &glyph);
    return SIGN_OK;
}

/* A character the fonts lack: a box where it stands, told with its code point. */
static void pick_placeholder(Composer* c, SignGlyph* glyph, uint32_t ch) {
    glyph->flags = SIGN_GLYPH_PLACEHOLDER;
    glyph->glyph = 0;
    warn(c, SIGN_WARN_PLACEHOLDER, glyph, ch < 0xFFFFul ? (unsigned)ch : 0xFFFFu);
    insert_glyph(c, c->glyphs, glyph);
}

/* The glyphs of the text in drawing order, conjuncts joined and ikaar moved
 * before its cluster, into the line's buffer as far as it has room. Until
 * they are placed, a glyph's column holds the spaces before it. Tells the
 * records the editor could not show. */
static SignStatus pick_glyphs(Composer* c, const Text* text) {
    enum cluster_state cluster = OUTSIDE;
    size_t cluster_begin = 0; /* the glyph the current cluster starts with */
    uint32_t spaces = 0;      /* since the last glyph */
    uint32_t character = 0;
    size_t at = 0;
    Reph reph;
    reph.waiting = 0;
    reph.at = 0;
    while (at < text->size) {
        uint32_t ch = 0;
        const size_t length = text_at(text, at, &ch);
        size_t used = length;
        int failed = 0;
        SignGlyph glyph;
        SignRecordHead head;
        unsigned glyph_class;
        int in_cluster;
        size_t vowel = 0; /* the positions of a vowel sign drawn with its consonant */
        SignJoin join;
        if (length == 0) return stop_at(c->line, SIGN_NOT_UTF8, character, at, 0);
        if (character >= SIGN_MOST_CHARACTERS) return SIGN_TOO_LONG;
        if (!continues_syllable(ch, cluster)) place_reph(c, &reph);
        if (sign_is_joiner(ch)) {
            /* drawn as nothing; what it asks of a virama was read with the consonant before */
            ++character;
            at += length;
            continue;
        }
        if (ch == SIGN_SPACE) {
            ++spaces;
            cluster = OUTSIDE;
            ++character;
            at += length;
            continue;
        }
        glyph.column = (int32_t)spaces;
        glyph.character = character;
        glyph.font = SIGN_HINDI;
        glyph.glyph = hindi_glyph_of(ch);
        glyph.columns = 0;
        glyph.flags = 0;
        join.kind = SIGN_JOIN_NONE;
        join.characters = 1;
        if (!sign_is_devanagari(ch)) {
            pick_placeholder(c, &glyph, ch);
            spaces = 0;
            cluster = OUTSIDE;
            ++character;
            at += length;
            continue;
        }
        if (sign_is_consonant(ch)) {
            used = join_at(c, text, at, cluster != AFTER_VIRAMA, &glyph, &join, &failed);
            if (failed) return SIGN_READ_FAILED;
            character += join.characters - 1u;
            if (join.kind == SIGN_JOIN_NONE || join.kind == SIGN_JOIN_RAKAR) {
                const size_t nukta = precomposed_nukta(c, text, at, &glyph, &failed);
                if (failed) return SIGN_READ_FAILED;
                /* the rakar's join already took the nukta in */
                if (join.kind == SIGN_JOIN_NONE && nukta > 0) {
                    ++character;
                    used += nukta;
                }
            }
            if (join.kind == SIGN_JOIN_NONE) {
                vowel = ligature_with(c, text, at + used, 0x0941ul, 0x0944ul, &glyph, &failed);
                if (failed) return SIGN_READ_FAILED;
                if (vowel > 0) ++character;
                used += vowel;
            }
        }
        if (ch == 0x0947ul || ch == 0x0948ul) {
            const size_t sign = ligature_with(c, text, at + length, 0x0901ul, 0x0902ul, &glyph, &failed);
            if (failed) return SIGN_READ_FAILED;
            if (sign > 0) ++character;
            used += sign;
        }
        if (!sign_read_head(c->fonts, (SignFont)glyph.font, glyph.glyph, &head)) return SIGN_READ_FAILED;
        glyph_class = checked_class(c, &glyph, &head);
        in_cluster = sign_is_consonant(ch) || ch == SIGN_VIRAMA || ch == SIGN_NUKTA;
        if (glyph_class == SIGN_CLASS_VOWEL) glyph.flags = SIGN_GLYPH_MARK;
        if (join.kind == SIGN_JOIN_REPH) {
            /* the spaces before it stay for the base; the cluster starts at the glyph after */
            glyph.column = 0;
            reph.glyph = glyph;
            reph.waiting = 1;
            reph.at = c->glyphs;
            cluster = AFTER_VIRAMA;
            cluster_begin = c->glyphs;
            ++character;
            at += used;
            continue;
        }

        if (glyph_class == SIGN_CLASS_IKAAR && !in_cluster && cluster == AFTER_CONSONANT) {
            /* the spaces before the cluster now stand before the ikaar (there are none after it) */
            glyph.flags = SIGN_GLYPH_MOVED;
            if (c->glyphs < c->line->glyph_capacity) {
                glyph.column = c->line->glyphs[cluster_begin].column;
                c->line->glyphs[cluster_begin].column = 0;
            }
            insert_glyph(c, cluster_begin, &glyph);
            ++reph.at;
        } else {
            insert_glyph(c, c->glyphs, &glyph);
            spaces = 0;
            if (sign_is_consonant(ch) || is_right_sign(ch)) reph.at = c->glyphs;
        }

        if (sign_is_consonant(ch)) {
            if (cluster != AFTER_VIRAMA) cluster_begin = c->glyphs - 1;
            cluster = join.kind == SIGN_JOIN_HALF ? AFTER_VIRAMA : vowel > 0 ? OUTSIDE : AFTER_CONSONANT;
            if (join.kind == SIGN_JOIN_RAKAR) {
                /* after the cluster's first glyph, which an ikaar goes before */
                if (pick_rakar(c, &glyph, join.glyph, character) != SIGN_OK) return SIGN_READ_FAILED;
                reph.at = c->glyphs;
            }
        } else if (ch == SIGN_VIRAMA) {
            cluster = cluster == AFTER_CONSONANT ? AFTER_VIRAMA : OUTSIDE;
        } else if (ch != SIGN_NUKTA || cluster != AFTER_CONSONANT) {
            cluster = OUTSIDE;
        }
        ++character;
        at += used;
    }
    place_reph(c, &reph);
    c->trailing_spaces = spaces;
    return SIGN_OK;
}

/* The columns a glyph lights up to (its last lit column + 1), 0 for none;
 * *read_failed is set when its bitmap could not be read. */
static unsigned lit_extent(const Composer* c, const SignGlyph* glyph, int* read_failed) {
    uint8_t bitmap[2 * SIGN_GRID_SIDE];
    unsigned x = SIGN_GRID_SIDE;
    *read_failed = !c->fonts->read(c->fonts->context, sign_record_offset((SignFont)glyph->font, glyph->glyph, 2),
                                   bitmap, sizeof bitmap);
    if (*read_failed) return 0;
    for (; x > 0; --x)
        if ((bitmap[2u * (x - 1u)] & bitmap[2u * (x - 1u) + 1u]) != 0xFFu) break;
    return x;
}

/* The columns a left-reaching sign after a glyph of its word draws over that
 * glyph: those left of its centre column. 0 for every other glyph. */
static uint8_t reach_of(const SignGlyph* glyph, const SignRecordHead* head, int has_base) {
    if (!has_base || glyph->font != SIGN_HINDI || (glyph->flags & SIGN_GLYPH_MARK) ||
        head->glyph_class == SIGN_CLASS_VOWEL || head->glyph_class == SIGN_CLASS_IKAAR ||
        !sign_reaches_left(SIGN_FIRST_DEVANAGARI + glyph->glyph) ||
        head->centre == 0)
        return 0;
    return (uint8_t)(head->centre - 1u);
}

/* Gives every picked glyph its column: marks on the last glyph that takes
 * columns, everything else at the pen. Cannot overflow: the text is short
 * enough that 255 columns a character fit an int32_t. */
static SignStatus place_glyphs(Composer* c, uint8_t space_columns) {
    SignLine* line = c->line;
    int32_t pen = 0;
    int32_t lit_end = 0; /* the line column after the last one lit */
    int has_base = 0;
    int32_t base_column = 0;
    int32_t base_centre = 0;
    size_t i;
    for (i = 0; i < c->glyphs; ++i) {
        SignGlyph* glyph = &line->glyphs[i];
        SignRecordHead head;
        unsigned lit;
        uint8_t reach;
        int failed = 0;
        if (glyph->column > 0) {
            pen += glyph->column * (int32_t)space_columns;
            has_base = 0;
        }
        if (glyph->flags & SIGN_GLYPH_PLACEHOLDER) {
            glyph->column = pen;
            glyph->columns = SIGN_PLACEHOLDER_BOX;
            pen += (int32_t)SIGN_PLACEHOLDER_COLUMNS;
            has_base = 1;
            base_column = glyph->column;
            base_centre = (int32_t)SIGN_PLACEHOLDER_CENTRE;
            continue;
        }
        if (!sign_read_head(c->fonts, (SignFont)glyph->font, glyph->glyph, &head)) return SIGN_READ_FAILED;
        lit = lit_extent(c, glyph, &failed);
        if (failed) return SIGN_READ_FAILED;
        if (lit == 0) warn(c, SIGN_WARN_BLANK_GLYPH, glyph, 0);
        glyph->columns = head.column_count < SIGN_MOST_COLUMNS ? head.column_count : SIGN_MOST_COLUMNS;
        if (lit > glyph->columns) glyph->columns = (uint8_t)lit;
        if ((glyph->flags & SIGN_GLYPH_MARK) && has_base) {
            glyph->column = base_column + base_centre - (int32_t)head.centre;
            if (glyph->column + (int32_t)lit > lit_end) lit_end = glyph->column + (int32_t)lit;
            continue;
        }
        if (glyph->flags & SIGN_GLYPH_MARK) {
            warn(c, SIGN_WARN_MARK_ALONE, glyph, head.column_count);
            glyph->flags &= (uint8_t)~SIGN_GLYPH_MARK;
        }
        reach = reach_of(glyph, &head, has_base);
        glyph->column = pen - (int32_t)reach;
        pen += head.column_count > reach ? (int32_t)(head.column_count - reach) : 0;
        if (glyph->column + (int32_t)lit > lit_end) lit_end = glyph->column + (int32_t)lit;
        has_base = 1;
        base_column = glyph->column;
        base_centre = head.centre;
    }
    line->columns = pen + (int32_t)c->trailing_spaces * (int32_t)space_columns;
    if (lit_end > line->columns) line->columns = lit_end;
    return SIGN_OK;
}

/* A mark may reach past either end of the line; what it lights there is not shown. */
static SignStatus tell_leds_outside(Composer* c) {
    const SignLine* line = c->line;
    size_t i;
    for (i = 0; i < c->glyphs; ++i) {
        const SignGlyph* glyph = &line->glyphs[i];
        uint8_t bitmap[2 * SIGN_GRID_SIDE];
        unsigned outside = 0;
        unsigned x;
        if (glyph->flags & SIGN_GLYPH_PLACEHOLDER) continue;
        if (glyph->column >= 0 && glyph->column + glyph->columns <= line->columns) continue;
        if (!c->fonts->read(c->fonts->context, sign_record_offset((SignFont)glyph->font, glyph->glyph, 2),
                            bitmap, 2u * glyph->columns))
            return SIGN_READ_FAILED;
        for (x = 0; x < glyph->columns; ++x) {
            const int32_t column = glyph->column + (int32_t)x;
            unsigned y;
            if (column >= 0 && column < line->columns) continue;
            for (y = 0; y < SIGN_GRID_SIDE; ++y) outside += (unsigned)is_lit(bitmap, x, y);
        }
        if (outside > 0) warn(c, SIGN_WARN_LEDS_OUTSIDE, glyph, outside);
    }
    return SIGN_OK;
}

/* Warnings were told phase by phase; the user reads them in the order of the
 * text, and for one character in the order they were found. */
static void sort_warnings(SignLine* line) {
    size_t i;
    for (i = 1; i < line->warning_count; ++i) {
        const SignWarning moving = line->warnings[i];
        size_t k = i;
        for (; k > 0 && line->warnings[k - 1].character > moving.character; --k)
            line->warnings[k] = line->warnings[k - 1];
        line->warnings[k] = moving;
    }
}

static SignStatus compose(const SignFonts* fonts, const Text* text, uint8_t space_columns, SignLine* line) {
    Composer c;
    SignStatus status;
    c.fonts = fonts;
    c.line = line;
    c.glyphs = 0;
    c.trailing_spaces = 0;
    line->glyph_count = 0;
    line->warning_count = 0;
    line->columns = 0;
    status = pick_glyphs(&c, text);
    line->glyph_count = c.glyphs;
    if (status != SIGN_OK) return status;
    if (c.glyphs > line->glyph_capacity) return SIGN_NO_ROOM;
    status = place_glyphs(&c, space_columns);
    if (status == SIGN_OK) status = tell_leds_outside(&c);
    if (status != SIGN_OK) return status;
    if (line->warnings && line->warning_count > line->warning_capacity) return SIGN_NO_ROOM;
    if (line->warnings) sort_warnings(line);
    return SIGN_OK;
}

SignStatus sign_compose(const SignFonts* fonts, const uint32_t* text, size_t count, uint8_t space_columns,
                        SignLine* line) {
    Text t;
    t.points = text;
    t.bytes = NULL;
    t.size = count;
    return compose(fonts, &t, space_columns, line);
}

SignStatus sign_compose_utf8(const SignFonts* fonts, const char* text, size_t size, uint8_t space_columns,
                             SignLine* line) {
    Text t;
    t.points = NULL;
    t.bytes = (const uint8_t*)text;
    t.size = size;
    return compose(fonts, &t, space_columns, line);
}
