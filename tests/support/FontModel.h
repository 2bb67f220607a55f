#pragma once

// A font as a test writes it, and the files it must become: the font text and
// the Intel HEX image, built here independently of the code under test.
#include <cstdio>
#include <string>
#include <vector>

namespace ledfont::test {

// Glyph byte k of glyph c at 34c + k; code byte j of conjunct c at 2c + j.
struct FontModel {
    std::vector<int> glyphs;
    std::vector<int> codes;  // none in a Hindi font

    bool Jukta() const { return !codes.empty(); }
    int& At(int c, int k) { return glyphs[static_cast<std::size_t>(34 * c + k)]; }
    int At(int c, int k) const { return glyphs[static_cast<std::size_t>(34 * c + k)]; }
    int Code(int c, int j) const { return codes[static_cast<std::size_t>(2 * c + j)]; }
    bool Lit(int c, int x, int y) const { return ((At(c, 2 + 2 * x + y / 8) >> (y % 8)) & 1) == 0; }
    void SetLit(int c, int x, int y, bool lit) {
        int& b = At(c, 2 + 2 * x + y / 8);
        b = lit ? b & ~(1 << (y % 8)) : b | (1 << (y % 8));
    }
};

// Valid records (3..16 columns, class 0..2, centre 1..15) that differ per glyph and per seed.
inline FontModel MakeFont(bool jukta, int seed) {
    FontModel font;
    for (int c = 0; c < (jukta ? 64 : 128); ++c) {
        font.glyphs.push_back(3 + (c + seed) % 14);
        font.glyphs.push_back(((c + seed) % 3) * 16 + 1 + (c + 2 * seed) % 15);
        for (int k = 2; k < 34; ++k) font.glyphs.push_back((c * 37 + k * 11 + seed * 59) % 256);
        if (jukta) font.codes.insert(font.codes.end(), {(c * 5 + 7) % 256, (c * 11 + 171) % 256});
    }
    return font;
}

inline std::vector<std::string> FontLines(const FontModel& font) {
    std::vector<std::string> lines;
    for (int b : font.glyphs) lines.push_back(std::to_string(b));
    for (int b : font.codes) lines.push_back(std::to_string(b));
    return lines;
}

inline std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

inline std::string FontText(const FontModel& font) { return Join(FontLines(font)); }

inline std::string Hex2(int value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", value);
    return buf;
}

inline std::string HexBlock(const std::vector<int>& image, int base) {
    std::string text;
    for (std::size_t at = 0; at < image.size(); at += 16) {
        const int address = base + static_cast<int>(at);
        int sum = 16 + address / 256 + address % 256;
        text += ":10" + Hex2(address / 256) + Hex2(address % 256) + "00";
        for (std::size_t k = at; k < at + 16; ++k) {
            text += Hex2(image[k]);
            sum += image[k];
        }
        text += Hex2((256 - sum % 256) % 256) + "\r\n";
    }
    return text;
}

inline std::string HexText(const FontModel& font) {
    const std::string data = font.Jukta() ? HexBlock(font.glyphs, 0xA100) + HexBlock(font.codes, 0xAA00)
                                          : HexBlock(font.glyphs, 0x9000);
    return data + ":00000001FF\r\n";
}

// A font the editor shows exactly as stored: centre columns within the column
// count, no lit cell right of it, and distinct, non-empty code pairs.
inline FontModel MakeCleanFont(bool jukta, int seed) {
    FontModel font = MakeFont(jukta, seed);
    for (int c = 0; c < (jukta ? 64 : 128); ++c) {
        const int n = font.At(c, 0);
        const int centre = 1 + (c + seed) % (n < 15 ? n : 15);
        font.At(c, 1) = font.At(c, 1) / 16 * 16 + centre;
        for (int x = n; x < 16; ++x)
            for (int y = 0; y < 16; ++y) font.SetLit(c, x, y, false);
    }
    return font;
}

}  // namespace ledfont::test
