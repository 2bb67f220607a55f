#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "JuktaChoice.h"
#include "LineFonts.h"

namespace ledfont::sign {

// One way a text falls back from what the model draws: how often, and the
// first clusters it happens in.
struct Fallback {
    std::size_t clusters = 0;
    std::vector<std::string> examples;  // distinct, in the order of the text
};

// How the fonts draw a text, line by line as the sign composes it.
struct TextCoverage {
    std::size_t characters = 0;  // all but spaces, tabs and line ends
    std::size_t charactersIntended = 0;
    std::size_t clusters = 0;
    std::size_t clustersIntended = 0;
    std::size_t joinSites = 0;  // consonant + virama + consonant, less those with ZWNJ
    std::size_t joinSitesJoined = 0;
    Fallback visibleVirama;              // a join site drawn as three glyphs
    Fallback missingGlyph;               // a record with column count 0
    Fallback blankGlyph;                 // a record that lights nothing
    Fallback placeholder;                // a character neither a space nor Devanagari
    std::vector<PairWorth> worthAdding;  // Jukta glyphs, the most worth first
};

// How many examples a fallback keeps, and how many glyphs worth adding.
inline constexpr std::size_t kFallbackExamples = 5;
inline constexpr std::size_t kPairsWorthAdding = 10;

// Measures utf8 drawn with fonts. Throws InvalidCallError for text that is not UTF-8.
TextCoverage MeasureCoverage(std::string_view utf8, const LineFonts& fonts);

}  // namespace ledfont::sign
