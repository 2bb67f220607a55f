#pragma once

#include <optional>
#include <vector>

#include "GlyphInk.h"
#include "GlyphLimits.h"
#include "InkPlacement.h"
#include "MarkAttachment.h"
#include "Typeface.h"
#include "TypefaceImport.h"

namespace ledfont::cli {

// Makes a Hindi or a Jukta font from a typeface. Both kinds share one size
// and one baseline, found from the Hindi block U+0900..U+097F: the largest
// size at which every common sign (CommonSigns.h) fits 16 rows, once ink that
// crosses the grid's edge by a row is fitted in, and the baseline where the
// fewest signs need that, then the fewest others are cut, in the middle of
// the rows where that is so. So the letters fill the rows, the headline lies
// on one row in every glyph, and a Jukta font made from the same typeface
// matches the Hindi one. Centre columns are where the typeface attaches marks.
class FontImporter {
public:
    explicit FontImporter(const ImportRequest& request);
    ImportOutcome Run();

private:
    // The ink of every code point of the block at the current size; nothing
    // for one that is unassigned or that the typeface lacks.
    using BlockInk = std::vector<std::optional<GlyphInk>>;

    // The typeface's glyph for code point U+0900 + c; 0 for none or an unassigned one.
    unsigned GlyphOfBlock(int c) const;
    BlockInk RenderBlock() const;
    // How far the outlines of the block reach, in ems; nothing when it has no glyph.
    std::optional<Typeface::Reach> BlockReach() const;
    // Sets the size and renders the block at it; basis receives how it was found.
    BlockInk ChooseSize(std::string& basis);
    // The baseline row (1..16) at which the block stands best, and whether every common sign fits there.
    struct Baseline {
        int row = 1;
        bool commonFit = false;
    };
    Baseline BestBaseline(const BlockInk& block) const;
    int ChooseBaseline(const BlockInk& block) const;
    // The row (1..16) of the consonants' headline: where they light the most.
    int FindHeadline(const BlockInk& block) const;
    void FillHindi(const BlockInk& block, ImportOutcome& outcome) const;
    void FillJukta(ImportOutcome& outcome) const;
    // Writes ink into glyph c, or leaves it blank, and notes what the user should know.
    void Place(const std::optional<GlyphInk>& ink, const InkGeometry& geometry, GlyphClass glyphClass, int c,
               const std::string& name, ImportOutcome& outcome) const;
    InkGeometry GeometryOf(std::optional<int> attachX = std::nullopt, bool reachesLeft = false) const;

    const ImportRequest& request_;
    Typeface typeface_;
    int baselineRow_ = 0;
    int headlineRow_ = 0;
};

}  // namespace ledfont::cli
