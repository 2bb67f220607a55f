#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ByteTable.h"

namespace ledfont::sign {

// A consonant, a virama and a consonant in a text: where a Jukta glyph may
// join them.
struct JoinSite {
    std::size_t begin = 0;   // the first consonant's position in the text
    std::size_t virama = 0;  // the virama's
    std::size_t end = 0;     // past the second consonant (and its nukta)
    Byte first = 0;          // the code bytes of the two consonants, a nukta's letter's own
    Byte second = 0;
    bool rephPlace = false;  // the first is र at the start of its cluster
    char32_t joiner = 0;     // 0, or the ZWNJ or ZWJ after the virama
};

// The join sites of text, in its order.
std::vector<JoinSite> FindJoinSites(const std::u32string& text);

// A glyph of a Jukta font by its code pair: a conjunct (first, second), a
// half form (first, 4D) or the reph (30, 4D).
struct JuktaPair {
    Byte first = 0;
    Byte second = 0;

    bool IsReph() const;
    bool IsHalfForm() const;
    // As a conjunct list writes it: "क्ष", "स्", "र्".
    std::string Text() const;
    friend bool operator==(const JuktaPair&, const JuktaPair&) = default;
    friend auto operator<=>(const JuktaPair&, const JuktaPair&) = default;
};

// The glyphs that would join site, best first: its conjunct, the first's
// half form, the reph. A site after ZWNJ has none (it asks for the virama);
// after ZWJ only the half form.
std::vector<JuktaPair> PairsThatJoin(const JoinSite& site);

}  // namespace ledfont::sign
