/* The test firmware: composes every line of lines.txt with the font image of
 * image.bin, as a controller does (the image read through the read function,
 * the columns drawn a window at a time into a small buffer), and writes what
 * it composed to columns.bin in the host's record format, for the test to
 * compare byte for byte. Counts the instructions the composer takes with
 * SysTick, which under QEMU's -icount advances with executed instructions.
 * Files are the host's, through semihosting. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "sign_compose.h"
#include "sign_draw.h"

#define SPACE_COLUMNS 4u
#define MOST_LINE_BYTES 512u
#define MOST_GLYPHS 128u
#define WINDOW_COLUMNS 64u /* as a sign of 64 columns would draw a long line */
#define IMAGE_BYTES (SIGN_JUKTA_CODES + 2u * SIGN_JUKTA_GLYPHS)

#define SYST_CSR (*(volatile uint32_t*)0xE000E010u)
#define SYST_RVR (*(volatile uint32_t*)0xE000E014u)
#define SYST_CVR (*(volatile uint32_t*)0xE000E018u)
#define SYST_MASK 0xFFFFFFu
#define CALIBRATION_LOOPS 1000000u /* two instructions each */
#define FULL_LINE_CHARACTERS 40u

static uint8_t image[IMAGE_BYTES];
static SignGlyph glyphs[MOST_GLYPHS];
static uint8_t window[2u * WINDOW_COLUMNS];

static int read_image(void* context, uint16_t offset, uint8_t* bytes, size_t count) {
    (void)context;
    if ((size_t)offset + count > sizeof image) return 0;
    memcpy(bytes, image + offset, count);
    return 1;
}

static uint32_t ticks_now(void) { return SYST_CVR & SYST_MASK; }

/* SysTick counts down; no interval measured is near its 2^24 ticks. */
static uint32_t ticks_since(uint32_t start) { return (start - ticks_now()) & SYST_MASK; }

static void spin(uint32_t loops) { __asm__ volatile("1: subs %0, %0, #1\n\tbne 1b" : "+r"(loops)::"cc"); }

/* Ticks of the calibration loop, whose instructions are known. */
static uint32_t calibrate(void) {
    const uint32_t start = ticks_now();
    spin(CALIBRATION_LOOPS);
    return ticks_since(start);
}

/* The characters of UTF-8 text: its bytes but the continuation bytes. */
static size_t characters_of(const char* text, size_t size) {
    size_t count = 0, i;
    for (i = 0; i < size; ++i) count += ((uint8_t)text[i] & 0xC0u) != 0x80u;
    return count;
}

/* The instructions of ticks, as the calibration loop had them, for each of count. */
static unsigned long instructions(uint64_t ticks, uint32_t calibration, unsigned long count) {
    return (unsigned long)(ticks * 2u * CALIBRATION_LOOPS / calibration / (count ? count : 1u));
}

static void put_u32(uint8_t* to, uint32_t value) {
    unsigned i;
    for (i = 0; i < 4u; ++i) to[i] = (uint8_t)(value >> (8u * i));
}

/* A record: the status, the columns (4 bytes, least significant first), then 2 bytes a column. */
static uint64_t compose_line(const SignFonts* fonts, const char* text, size_t size, FILE* out) {
    SignLine line;
    uint8_t head[5];
    uint64_t ticks;
    uint32_t start = ticks_now();
    SignStatus status;
    int32_t first;
    memset(&line, 0, sizeof line);
    line.glyphs = glyphs;
    line.glyph_capacity = MOST_GLYPHS;
    status = sign_compose_utf8(fonts, text, size, SPACE_COLUMNS, &line);
    ticks = ticks_since(start);
    head[0] = (uint8_t)status;
    put_u32(head + 1, status == SIGN_OK ? (uint32_t)line.columns : 0u);
    fwrite(head, 1, sizeof head, out);
    if (status != SIGN_OK) return ticks;
    for (first = 0; first < line.columns; first += (int32_t)WINDOW_COLUMNS) {
        const int32_t left = line.columns - first;
        const size_t columns = left < (int32_t)WINDOW_COLUMNS ? (size_t)left : WINDOW_COLUMNS;
        start = ticks_now();
        if (sign_draw(fonts, glyphs, line.glyph_count, first, window, columns) != SIGN_OK)
            memset(window, 0, sizeof window);
        ticks += ticks_since(start);
        fwrite(window, 1, 2u * columns, out);
    }
    return ticks;
}

static int load_image(void) {
    FILE* in = fopen("image.bin", "rb");
    size_t got;
    if (!in) return 0;
    got = fread(image, 1, sizeof image, in);
    fclose(in);
    return got == sizeof image;
}

int main(void) {
    const SignFonts fonts = {read_image, NULL, 1};
    static char text[MOST_LINE_BYTES];
    unsigned long lines = 0, full_lines = 0;
    uint64_t ticks = 0, full_ticks = 0, most = 0;
    uint32_t calibration;
    FILE* in;
    FILE* out;
    SYST_RVR = SYST_MASK;
    SYST_CVR = 0;
    SYST_CSR = 5u; /* on, counting the processor clock, no interrupt */
    calibration = calibrate();
    if (calibration == 0 || !load_image()) {
        printf("firmware: no SysTick or no image.bin\n");
        return 1;
    }
    in = fopen("lines.txt", "rb");
    out = fopen("columns.bin", "wb");
    if (!in || !out) {
        printf("firmware: cannot open lines.txt or columns.bin\n");
        return 1;
    }
    while (fgets(text, sizeof text, in)) {
        size_t size = strlen(text);
        uint64_t t;
        if (size > 0 && text[size - 1] == '\n') text[--size] = '\0';
        t = compose_line(&fonts, text, size, out);
        ticks += t;
        if (t > most) most = t;
        if (characters_of(text, size) == FULL_LINE_CHARACTERS) {
            full_ticks += t;
            ++full_lines;
        }
        ++lines;
    }
    fclose(in);
    if (fclose(out) != 0) {
        printf("firmware: cannot write columns.bin\n");
        return 1;
    }
    printf(
        "firmware: %lu lines, %lu instructions a line on average, %lu at most; %lu lines of %u characters, "
        "%lu instructions each on average\n",
        lines, instructions(ticks, calibration, lines), instructions(most, calibration, 1u), full_lines,
        FULL_LINE_CHARACTERS, instructions(full_ticks, calibration, full_lines));
    return 0;
}
