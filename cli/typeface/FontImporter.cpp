#include "FontImporter.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "BlankGlyph.h"
#include "CharacterClass.h"
#include "CommonSigns.h"
#include "ConjunctShaper.h"
#include "Devanagari.h"
#include "HexText.h"
#include "InkPlacement.h"
#include "JuktaEntry.h"

namespace ledfont::cli {
namespace {

constexpr int kBlockSize = GlyphCount(FontMode::Hindi);  // U+0900..U+097F
constexpr int kMostFitted = 1;                           // rows of ink moved to fit the grid
constexpr char32_t kFirstConsonant = 0x0915, kLastConsonant = 0x0939;

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

// The rows by which ink of these bounds crosses the top and the bottom of the
// grid when y = 0 lands on grid row baselineY.
std::pair<int, int> Overflow(const InkBounds& b, int baselineY) {
    return {std::max(0, b.top - baselineY), std::max(0, baselineY - b.bottom - (kGridSide - 1))};
}

// How well the block stands at a baseline: fewer is better, in this order.
struct Standing {
    int commonUnfit = 0;  // common signs that cross the grid's edge by more than can be fitted
    int commonMoved = 0;  // common signs that must be fitted
    int othersCut = 0;    // other signs that must be fitted or are cut
    auto Key() const { return std::tuple(commonUnfit, commonMoved, othersCut); }
};

Standing StandingAt(const std::vector<std::optional<GlyphInk>>& block, int baselineY) {
    Standing s;
    for (int c = 0; c < kBlockSize; ++c) {
        const auto& ink = block[static_cast<std::size_t>(c)];
        if (!ink || ink->Empty()) continue;
        const auto [above, below] = Overflow(ink->Bounds(), baselineY);
        if (above == 0 && below == 0) continue;
        if (!IsCommonSign(CodeOf(c)))
            ++s.othersCut;
        else if (above > kMostFitted || below > kMostFitted)
            ++s.commonUnfit;
        else
            ++s.commonMoved;
    }
    return s;
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
        if (!IsCommonSign(CodeOf(c))) continue;
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
    const int guess = static_cast<int>((kGridSide + 2 * kMostFitted) / (reach->top - reach->bottom)) + 1;
    for (int size = std::clamp(guess, kSmallestSize, kLargestSize);; --size) {
        typeface_.SetPixelSize(size);
        BlockInk block = RenderBlock();
        const bool tooTall = !BestBaseline(block).commonFit;
        if (tooTall && size > kSmallestSize) continue;
        basis = tooTall ? "the smallest there is; the common signs are taller than 16 rows even so"
                        : "the largest at which every common sign fits 16 rows";
        return block;
    }
}

FontImporter::Baseline FontImporter::BestBaseline(const BlockInk& block) const {
    const std::optional<InkBounds> extent = Extent(block);
    if (!extent) return {std::clamp(typeface_.Ascender(), 1, kGridSide), true};
    // Of the rows that stand the block best, the one nearest the middle of
    // the room the block leaves, the higher one on a tie.
    const int middleTwice = extent->top + extent->bottom + kGridSide - 1;
    int best = 0;
    Standing bestStanding = StandingAt(block, 0);
    for (int baselineY = 1; baselineY < kGridSide; ++baselineY) {
        const Standing s = StandingAt(block, baselineY);
        const bool nearer = std::abs(2 * baselineY - middleTwice) < std::abs(2 * best - middleTwice);
        if (s.Key() < bestStanding.Key() || (s.Key() == bestStanding.Key() && nearer)) {
            best = baselineY;
            bestStanding = s;
        }
    }
    return {best + 1, bestStanding.commonUnfit == 0};
}

int FontImporter::ChooseBaseline(const BlockInk& block) const {
    return request_.baseline ? *request_.baseline : BestBaseline(block).row;
}

int FontImporter::FindHeadline(const BlockInk& block) const {
    std::map<int, int> lit;  // ink row y -> lit pixels of the consonants there
    for (char32_t cp = kFirstConsonant; cp <= kLastConsonant; ++cp)
        if (const auto& ink = block[static_cast<std::size_t>(cp - sign::kFirstDevanagari)])
            for (const InkPixel& p : ink->lit) ++lit[p.y];
    if (lit.empty()) return 1;
    const auto most = std::max_element(lit.begin(), lit.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return std::clamp(baselineRow_ - most->first, 1, kGridSide);
}

InkGeometry FontImporter::GeometryOf(std::optional<int> attachX, bool reachesLeft) const {
    InkGeometry g;
    g.baselineRow = baselineRow_;
    g.headlineRow = headlineRow_;
    g.mostFitted = kMostFitted;
    g.attachX = attachX;
    g.reachesLeft = reachesLeft;
    return g;
}

void FontImporter::Place(const std::optional<GlyphInk>& ink, const InkGeometry& geometry,
                         GlyphClass glyphClass, int c, const std::string& name, ImportOutcome& outcome) const {
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
    const InkCut cut = PlaceInk(*ink, geometry, glyphClass, outcome.font.FontBytes, c);
    if (cut.Fitted()) {
        ++outcome.fitted;
        outcome.notes.push_back(glyph + ": " + cut.FittedText());
    }
    if (cut.Any()) {
        ++outcome.cut;
        outcome.notes.push_back(glyph + ": " + cut.Text());
    }
    if (cut.Clamped()) {
        ++outcome.clamped;
        outcome.notes.push_back(glyph + ": " + cut.ClampedText());
    }
}

void FontImporter::FillHindi(const BlockInk& block, ImportOutcome& outcome) const {
    MarkAttachment attachment(typeface_);
    for (int c = 0; c < kBlockSize; ++c) {
        const char32_t cp = CodeOf(c);
        if (!IsAssigned(cp)) {
            ++outcome.blanks;  // nothing to draw, and nothing to tell
            continue;
        }
        const GlyphClass glyphClass = ClassOf(cp);
        const bool reachesLeft = sign::ReachesLeft(cp);
        std::optional<int> attachX;
        if (glyphClass == GlyphClass::Vowel)
            attachX = attachment.MarkX(cp);
        else if (glyphClass == GlyphClass::Consonant && !reachesLeft)
            attachX = attachment.BaseX(Utf8Of(cp), sign::IsConsonant(cp));
        Place(block[static_cast<std::size_t>(c)], GeometryOf(attachX, reachesLeft), glyphClass, c,
              CodePointText(cp), outcome);
    }
}

void FontImporter::FillJukta(ImportOutcome& outcome) const {
    ConjunctShaper shaper(typeface_);
    MarkAttachment attachment(typeface_);
    for (std::size_t i = 0; i < request_.conjuncts.size(); ++i) {
        const Conjunct& conjunct = request_.conjuncts[i];
        const int c = static_cast<int>(i);
        const GlyphClass glyphClass = JuktaEntryClass(conjunct);
        // the rakar, the reph and a pair of signs attach where ु does on the letter they were drawn with
        const std::optional<int> attachX =
            conjunct.kind == ConjunctKind::Rakar ? attachment.BaseX(kRakarBase, true)
            : glyphClass == GlyphClass::Vowel    ? attachment.BaseX(kMarkBase, true)
                                                 : attachment.BaseX(conjunct.text, conjunct.kind != ConjunctKind::WithVowelSign);
        Place(DrawJuktaEntry(shaper, conjunct), GeometryOf(attachX), glyphClass, c, conjunct.text, outcome);
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
    headlineRow_ = FindHeadline(block);
    outcome.baseline = baselineRow_;
    if (request_.mode == FontMode::Jukta)
        FillJukta(outcome);
    else
        FillHindi(block, outcome);
    return outcome;
}

}  // namespace ledfont::cli
