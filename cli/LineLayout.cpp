#include "LineLayout.h"

#include <algorithm>
#include <optional>

#include "Devanagari.h"
#include "GlyphLimits.h"
#include "GlyphRecord.h"
#include "HexText.h"
#include "LedDrawing.h"

namespace ledfont::cli {
namespace {

enum class Role { Space, Spacing, Mark, PreBase };

// A glyph picked for part of the text, in drawing order, before it is placed.
struct Unit {
    Role role = Role::Space;
    FontMode font = FontMode::Hindi;
    int glyph = 0;
    std::size_t character = 0;
};

// Where the text stands in a cluster: after one of its consonants (or their
// nukta), after a virama that may join another, or outside any.
enum class ClusterState { None, AfterConsonant, AfterVirama };

// The first glyph of the Jukta font with code pair (first, second), or none.
std::optional<int> FindConjunct(const FontState* jukta, int first, int second) {
    if (!jukta) return std::nullopt;
    for (int c = 0; c < GlyphCount(FontMode::Jukta); ++c)
        if (jukta->JuktaCodes(c, 0) == first && jukta->JuktaCodes(c, 1) == second) return c;
    return std::nullopt;
}

class LinePlanner {
public:
    LinePlanner(const LineFonts& fonts, int spaceColumns) : fonts_(fonts), spaceColumns_(spaceColumns) {}

    LineLayout Plan(std::u32string_view text) {
        PickGlyphs(text);
        for (const Unit& unit : units_) Place(unit);
        layout_.columns = pen_;
        for (const PlacedGlyph& placed : layout_.glyphs) TellLedsOutside(placed);
        std::stable_sort(layout_.notes.begin(), layout_.notes.end(),
                         [](const LineNote& a, const LineNote& b) { return a.character < b.character; });
        return std::move(layout_);
    }

private:
    GlyphView View(FontMode font, int glyph) const { return GlyphView(fonts_.Table(font), glyph); }

    void Tell(std::size_t character, FontMode font, int glyph, const std::string& what) {
        layout_.notes.push_back({character, "character " + std::to_string(character) + ", " + ModeName(font) +
                                                " " + GlyphNameText(font, glyph) + ": " + what});
    }

    // The glyphs of the text in drawing order: conjuncts joined, ikaar moved
    // before its cluster. Also tells the records the editor could not show.
    void PickGlyphs(std::u32string_view text) {
        ClusterState cluster = ClusterState::None;
        std::size_t clusterBegin = 0;  // the unit the current cluster starts with
        for (std::size_t i = 0; i < text.size();) {
            const char32_t ch = text[i];
            const std::size_t character = i + 1;
            if (ch == kSpace) {
                units_.push_back({Role::Space, FontMode::Hindi, 0, character});
                cluster = ClusterState::None;
                ++i;
                continue;
            }
            Unit unit{Role::Spacing, FontMode::Hindi, HindiGlyphOf(ch), character};
            std::size_t used = 1;
            if (IsConsonant(ch) && i + 2 < text.size() && text[i + 1] == kVirama &&
                IsConsonant(text[i + 2])) {
                if (const auto conjunct =
                        FindConjunct(fonts_.jukta, HindiGlyphOf(ch), HindiGlyphOf(text[i + 2]))) {
                    unit.font = FontMode::Jukta;
                    unit.glyph = *conjunct;
                    used = 3;
                }
            }
            const int glyphClass = CheckedClass(unit);
            const bool inCluster = IsConsonant(ch) || ch == kVirama || ch == kNukta;
            if (glyphClass == static_cast<int>(GlyphClass::Vowel)) unit.role = Role::Mark;
            if (glyphClass == static_cast<int>(GlyphClass::Ikaar) && !inCluster) unit.role = Role::PreBase;

            if (unit.role == Role::PreBase && cluster == ClusterState::AfterConsonant)
                units_.insert(units_.begin() + static_cast<std::ptrdiff_t>(clusterBegin), unit);
            else
                units_.push_back(unit);

            if (IsConsonant(ch)) {
                if (cluster != ClusterState::AfterVirama) clusterBegin = units_.size() - 1;
                cluster = ClusterState::AfterConsonant;
            } else if (ch == kVirama) {
                cluster =
                    cluster == ClusterState::AfterConsonant ? ClusterState::AfterVirama : ClusterState::None;
            } else if (ch != kNukta || cluster != ClusterState::AfterConsonant) {
                cluster = ClusterState::None;
            }
            i += used;
        }
    }

    // The unit's class; a column count or a class the editor cannot show is told.
    int CheckedClass(const Unit& unit) {
        const GlyphView view = View(unit.font, unit.glyph);
        if (!IsShownColumnCount(view.ColumnCount()))
            Tell(unit.character, unit.font, unit.glyph,
                 "column count " + std::to_string(view.ColumnCount()) + " is outside 3..16; drawn " +
                     std::to_string(view.ColumnCount()) + " columns wide");
        if (!IsShownClass(view.Class())) {
            Tell(unit.character, unit.font, unit.glyph,
                 "class " + std::to_string(view.Class()) + " is outside 0..2; drawn as a consonant");
            return static_cast<int>(GlyphClass::Consonant);
        }
        return view.Class();
    }

    void Place(const Unit& unit) {
        if (unit.role == Role::Space) {
            pen_ += spaceColumns_;
            base_.reset();
            return;
        }
        const GlyphView view = View(unit.font, unit.glyph);
        PlacedGlyph placed{unit.font, unit.glyph, pen_, std::min<int>(view.ColumnCount(), kMostColumns),
                           unit.character};
        if (unit.role == Role::Mark && base_) {
            const PlacedGlyph& base = layout_.glyphs[*base_];
            placed.column = base.column + View(base.font, base.glyph).CentreColumn() - view.CentreColumn();
            layout_.glyphs.push_back(placed);
            return;
        }
        if (unit.role == Role::Mark)
            Tell(unit.character, unit.font, unit.glyph,
                 "a mark with no glyph before it to stand on; drawn where it is, " +
                     std::to_string(view.ColumnCount()) + " columns wide");
        pen_ += view.ColumnCount();
        base_ = layout_.glyphs.size();
        layout_.glyphs.push_back(placed);
    }

    // A mark may reach past either end of the line; what it lights there is not shown.
    void TellLedsOutside(const PlacedGlyph& placed) {
        const GlyphView view = View(placed.font, placed.glyph);
        int outside = 0;
        for (int x = 0; x < placed.columns; ++x) {
            const int column = placed.column + x;
            if (column >= 0 && column < layout_.columns) continue;
            for (int y = 0; y < kGridSide; ++y) outside += view.IsLit(x, y);
        }
        if (outside > 0)
            Tell(placed.character, placed.font, placed.glyph,
                 std::to_string(outside) + (outside == 1 ? " lit LED falls" : " lit LEDs fall") +
                     " outside the line; not shown");
    }

    const LineFonts& fonts_;
    int spaceColumns_;
    std::vector<Unit> units_;
    LineLayout layout_;
    int pen_ = 0;
    std::optional<std::size_t> base_;  // the glyph a mark stands on: the last one that takes columns
};

}  // namespace

LineLayout LayOutLine(std::u32string_view text, const LineFonts& fonts, int spaceColumns) {
    return LinePlanner(fonts, spaceColumns).Plan(text);
}

}  // namespace ledfont::cli
