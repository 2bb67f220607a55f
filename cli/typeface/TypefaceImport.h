#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ConjunctList.h"
#include "FontMode.h"
#include "FontState.h"

namespace ledfont::cli {

// What an import asks of a typeface and what it gets back. The code that
// renders lives in the import program (ledfont-import), which ledfont runs
// for the import command only: FreeType and HarfBuzz, with what they pull in,
// would lengthen the start-up of every other command.

enum class Hinting { None, Light, Full };

struct RenderSettings {
    Hinting hinting = Hinting::Full;
    std::optional<int> threshold;  // grey rendering, lit above this value (0..255); none: 1-bit rendering
};

// Limits of the options.
inline constexpr int kSmallestSize = 4;
inline constexpr int kLargestSize = 64;

struct ImportRequest {
    FontMode mode = FontMode::Hindi;
    std::string typeface;
    std::optional<int> size;      // pixels; none: the largest at which U+0900..U+097F fits 16 rows
    std::optional<int> baseline;  // row 1..16 that letters stand on; none: where the block fits best
    RenderSettings render;
    std::vector<Conjunct> conjuncts;  // what a Jukta font holds, in order
};

struct ImportOutcome {
    FontState font;
    int size = 0;
    std::string sizeBasis;           // how the size was found, empty when it was given
    int baseline = 0;                // row 1..16
    int blanks = 0;                  // glyphs left blank: nothing in the typeface to draw
    int cut = 0;                     // glyphs whose ink did not all fit the grid
    int fitted = 0;                  // glyphs whose ink was moved a row to fit the grid
    int clamped = 0;                 // glyphs whose centre column was clamped
    std::vector<std::string> notes;  // "glyph 5 (0905): ink cut off: 1 row below the grid", in glyph order
};

}  // namespace ledfont::cli
