#include "FontImporter.h"

#include <algorithm>
#include <cstdlib>

#include "BlankGlyph.h"
#include "CharacterClass.h"
#include "ConjunctShaper.h"
#include "Devanagari.h"
#include "HexText.h"
#include "InkPlacement.h"
#include "JuktaEntry.h"

namespace ledfont::cli {
namespace {

constexpr int kBlockSize = GlyphCount(FontMode::Hindi);  // U+0900..U+097F

char32_t CodeOf(int c) { return sign::kFirstDevanagari + static_cast<char32_t>(c); }

std::optional<InkBounds> Extent(const std::vector<std::optional<GlyphInk>>& block) {
    std::optional<InkBounds> extent;
    for (const auto& ink : block) {
        if (!ink || ink->Empty()) continue;
        const InkBounds b = ink->Bounds();
        if (!extent) extent = b;
        extent->top = std::max(extent->top, b.top);
        extent->bottom = std::min(extent->bottom, b.bottom);
    }
    return extent;
}

int Height(const InkBounds& b) { return b.top - b.bottom + 1; }

// Whether ink of these rows fits the grid when y = 0 lands on grid row baselineY.
bool FitsRows(const InkBounds& b, int baselineY) {
    return b.top <= baselineY && baselineY - b.bottom < kGridSide;
}

}  // namespace

FontImporter::FontImporter(const ImportRequest& request)
    : request_(request), typeface_(request.typeface, request.render) {}

unsigned FontImporter::GlyphOfBlock(int c) const {
    const char32_t cp = CodeOf(c);
    return IsAssigned(cp) ? typeface_.GlyphOf(cp) : 0;
}

FontImporter::BlockInk FontImporter::RenderBlock() const {
    BlockInk block(kBlockSize);
    for (int c = 0; c < kBlockSize; ++c)
        if (const unsigned glyph = GlyphOfBlock(c); glyph != 0)
            block[static_cast<std::size_t>(c)] = typeface_.Render(glyph);
    return block;
}

std::optional<Typeface::Reach> FontImporter::BlockReach() const {
    std::optional<Typeface::Reach> reach;
    for (int c = 0; c < kBlockSize; ++c) {
        const unsigned glyph = GlyphOfBlock(c);
        if (glyph == 0) continue;
        const Typeface::Reach r = typeface_.OutlineReach(glyph);
        if (r.top <= r.bottom) continue;  // draws nothing
        if (!reach) reach = r;
        reach->top = std::max(reach->top, r.top);
        reach->bottom = std::min(reach->bottom, r.bottom);
    }
    return reach;
}

FontImporter::BlockInk FontImporter::ChooseSize(std::string& basis) {
    if (request_.size) {
        typeface_.SetPixelSize(*request_.size);
        return RenderBlock();
    }
    const std::optional<Typeface::Reach> reach = BlockReach();
    if (!reach) {
        // Nothing of the block to measure: the lines the typeface asks for.
        int size = kLargestSize;
        for (; size > kSmallestSize; --size) {
            typeface_.SetPixelSize(size);
            if (typeface_.Ascender() - typeface_.Descender() <= kGridSide) break;
        }
        typeface_.SetPixelSize(size);
        basis = "the largest at which the typeface's line fits 16 rows: it has nothing of U+0900..U+097F";
        return RenderBlock();
    }
    // The ink grows in step with the size; hinting may round it a row either
    // way, so the search starts a size above the guess and goes down.
    const int guess = static_cast<int>(kGridSide / (reach->top - reach->bottom)) + 1;
    for (int size = std::clamp(guess, kSmallestSize, kLargestSize);; --size) {
        typeface_.SetPixelSize(size);
        BlockInk block = RenderBlock();
        const std::optional<InkBounds> extent = Extent(block);
        const bool tooTall = extent && Height(*extent) > kGridSide;
        if (tooTall && size > kSmallestSize) continue;
        basis = tooTall ? "the smallest there is; the ink of U+0900..U+097F is taller than 16 rows even so"
                        : "the largest at which the ink of U+0900..U+097F fits 16 rows";
        return block;
    }
}

int FontImporter::ChooseBaseline(const BlockInk& block) const {
    if (request_.baseline) return *request_.baseline;
    const std::optional<InkBounds> extent = Extent(block);
    if (!extent) return std::clamp(typeface_.Ascender(), 1, kGridSide);
    // The row that cuts the fewest glyphs; of those, the one nearest the
    // middle of the room the block leaves, the higher one on a tie.
    const int middleTwice = extent->top + extent->bottom + kGridSide - 1;
    int best = 0;
    int bestCut = kBlockSize + 1;
    for (int baselineY = 0; baselineY < kGridSide; ++baselineY) {
        int cut = 0;
        for (const auto& ink : block)
            if (ink && !ink->Empty() && !FitsRows(ink->Bounds(), baselineY)) ++cut;
        const bool nearer = std::abs(2 * baselineY - middleTwice) < std::abs(2 * best - middleTwice);
        if (cut < bestCut || (cut == bestCut && nearer)) {
            best = baselineY;
            bestCut = cut;
        }
    }
    return best + 1;
}

void FontImporter::Place(const std::optional<GlyphInk>& ink, GlyphClass glyphClass, int c,
                         const std::string& name, ImportOutcome& outcome) const {
    const std::string glyph =
        GlyphNameText(request_.mode, c) + (request_.mode == FontMode::Jukta ? " " + name : "");
    if (!ink || ink->Empty()) {
        SetBlankGlyph(outcome.font.FontBytes, c, glyphClass);
        ++outcome.blanks;
        outcome.notes.push_back(glyph +
                                (ink ? ": the typeface draws nothing for " + name + " at " +
                                           std::to_string(typeface_.PixelSize()) + " pixels; left blank"
                                     : ": the typeface has no glyph for " + name + "; left blank"));
        return;
    }
    const InkCut cut = PlaceInk(*ink, baselineRow_, glyphClass, outcome.font.FontBytes, c);
    if (!cut.Any()) return;
    ++outcome.cut;
    outcome.notes.push_back(glyph + ": " + cut.Text());
}

void FontImporter::FillHindi(const BlockInk& block, ImportOutcome& outcome) const {
    for (int c = 0; c < kBlockSize; ++c) {
        const char32_t cp = CodeOf(c);
        if (!IsAssigned(cp)) {
            ++outcome.blanks;  // nothing to draw, and nothing to tell
            continue;
        }
        Place(block[static_cast<std::size_t>(c)], ClassOf(cp), c, CodePointText(cp), outcome);
    }
}

void FontImporter::FillJukta(ImportOutcome& outcome) const {
    ConjunctShaper shaper(typeface_);
    for (std::size_t i = 0; i < request_.conjuncts.size(); ++i) {
        const Conjunct& conjunct = request_.conjuncts[i];
        const int c = static_cast<int>(i);
        Place(DrawJuktaEntry(shaper, conjunct), JuktaEntryClass(conjunct), c, conjunct.text, outcome);
        outcome.font.JuktaCodes(c, 0) = conjunct.first;
        outcome.font.JuktaCodes(c, 1) = conjunct.second;
    }
}

ImportOutcome FontImporter::Run() {
    ImportOutcome outcome;
    outcome.font = BlankFont(request_.mode);
    const BlockInk block = ChooseSize(outcome.sizeBasis);
    outcome.size = typeface_.PixelSize();
    baselineRow_ = ChooseBaseline(block);
    outcome.baseline = baselineRow_;
    if (request_.mode == FontMode::Jukta)
        FillJukta(outcome);
    else
        FillHindi(block, outcome);
    return outcome;
}

}  // namespace ledfont::cli
