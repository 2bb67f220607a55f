#pragma once

#include <cstddef>
#include <vector>

#include "JoinSites.h"

namespace ledfont::sign {

// A glyph a Jukta font might hold, and how many join sites it would join
// that nothing joins yet.
struct PairWorth {
    JuktaPair pair;
    std::size_t sites = 0;
};

// The glyphs that would join the most of sites, the most first; a pair
// joins every site it is one of the PairsThatJoin of (a half form all the
// clusters it serves). At most `most`.
std::vector<PairWorth> RankPairs(const std::vector<JoinSite>& sites, std::size_t most);

// The Jukta glyphs that join the most join sites of a text, at most slots of
// them, in the order they were chosen: each time the one that joins the most
// sites not yet joined (a half form or the reph before a conjunct that joins
// as many). When nothing more can be joined, the rest of the slots go to the
// conjuncts of the sites most often drawn by a half form, which the typeface
// draws as one glyph.
std::vector<JuktaPair> ChooseJuktaPairs(const std::vector<JoinSite>& sites, std::size_t slots);

// How many of sites the pairs join, of those that a glyph can join (a site
// after ZWNJ asks for the virama and is left out of both counts).
struct JoinCount {
    std::size_t joinable = 0;
    std::size_t joined = 0;
};
JoinCount CountJoined(const std::vector<JoinSite>& sites, const std::vector<JuktaPair>& pairs);

}  // namespace ledfont::sign
