#include "InkPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <vector>

#include "GlyphRecord.h"

namespace ledfont::cli {
namespace {

std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

// The rows by which ink of these bounds, standing on the baseline, crosses the top and the bottom of the grid.
struct Overflow {
    int above = 0;
    int below = 0;
};
Overflow OverflowOf(const InkBounds& b, int baselineY) {
    return {std::max(0, b.top - baselineY), std::max(0, baselineY - b.bottom - (kGridSide - 1))};
}

// Where a letter's ink is closed up to fit: above the headline, grid rows up
// to aboveSplit move down onto the row after it; below the baseline, rows
// from belowSplit on move up onto the row before it.
struct Seams {
    int aboveSplit = 0;
    int belowSplit = 0;
};

// The lit columns of each grid row of ink standing on baselineY, sorted.
using InkRows = std::map<int, std::vector<int>>;
InkRows RowsOf(const GlyphInk& ink, int baselineY) {
    InkRows rows;
    for (const InkPixel& p : ink.lit) rows[baselineY - p.y].push_back(p.x);
    for (auto& [y, xs] : rows) std::sort(xs.begin(), xs.end());
    return rows;
}

// How unlike grid rows y and y + 1 are: the columns lit in one of them only.
int Unlike(const InkRows& rows, int y) {
    static const std::vector<int> kNone;
    const auto row = [&rows](int at) -> const std::vector<int>& {
        const auto found = rows.find(at);
        return found == rows.end() ? kNone : found->second;
    };
    const std::vector<int>& a = row(y);
    const std::vector<int>& b = row(y + 1);
    std::vector<int> apart;
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(apart));
    return static_cast<int>(apart.size());
}

// Of the neighbouring rows in first..last, the pair most alike, the one
// nearest stay on a tie: closing it up shortens a stroke where it runs
// straight (the stem of ो) rather than blotting a bend into a dot.
int MostAlikePair(const InkRows& rows, int first, int last, int stay) {
    int best = stay;
    int bestUnlike = Unlike(rows, stay);
    for (int y = first; y < last; ++y) {
        const int unlike = Unlike(rows, y);
        if (unlike < bestUnlike || (unlike == bestUnlike && std::abs(y - stay) < std::abs(best - stay))) {
            best = y;
            bestUnlike = unlike;
        }
    }
    return best;
}

Seams SeamsOf(const GlyphInk& ink, const InkBounds& b, int headlineY, int baselineY) {
    const InkRows rows = RowsOf(ink, baselineY);
    Seams seams;
    seams.aboveSplit = MostAlikePair(rows, baselineY - b.top, headlineY - 1, headlineY - 2);
    seams.belowSplit = MostAlikePair(rows, baselineY + 1, baselineY - b.bottom, baselineY + 1) + 1;
    return seams;
}

// The grid row of ink row y once fitted: a mark moves whole; a letter moves
// only the ink above its headline down, or below its baseline up, closing up
// rows there at its seams rather than crossing them.
int FittedRow(int y, const Overflow& move, bool mark, const Seams& seams) {
    if (mark) return y + move.above - move.below;
    if (move.above > 0 && y <= seams.aboveSplit) return std::min(y + move.above, seams.aboveSplit + 1);
    if (move.below > 0 && y >= seams.belowSplit) return std::max(y - move.below, seams.belowSplit - 1);
    return y;
}

}  // namespace

std::string InkCut::Text() const {
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "ink cut off: " : ", ") + part; };
    if (rowsAbove > 0) add(Count(rowsAbove, "row", "rows") + " above the grid");
    if (rowsBelow > 0) add(Count(rowsBelow, "row", "rows") + " below the grid");
    if (columnsRight > 0) add(Count(columnsRight, "column", "columns") + " right of the grid");
    return text;
}

std::string InkCut::FittedText() const {
    if (movedDown > 0) return "fitted into the grid: its ink above the headline moved " + Count(movedDown, "row", "rows") + " down";
    return "fitted into the grid: its ink below the baseline moved " + Count(movedUp, "row", "rows") + " up";
}

std::string InkCut::ClampedText() const {
    return "centre column " + std::to_string(centreWanted.value_or(0)) +
           ", where the typeface attaches marks, clamped to " + std::to_string(centre);
}

namespace {

// Whether the only ink at or right of the advance is in the headline: the
// typeface joins it to the next letter's headline, which covers those columns.
bool OnlyHeadlinePastAdvance(const GlyphInk& ink, int headlineY, int baselineY) {
    bool any = false;
    bool before = false;
    for (const InkPixel& p : ink.lit) {
        before = before || p.x < ink.advance;
        if (p.x < ink.advance) continue;
        if (baselineY - p.y != headlineY) return false;
        any = true;
    }
    return any && before;
}

// The ink without what lies at or right of the advance.
GlyphInk CutAtAdvance(const GlyphInk& ink) {
    GlyphInk cut;
    cut.advance = ink.advance;
    for (const InkPixel& p : ink.lit)
        if (p.x < ink.advance) cut.lit.push_back(p);
    return cut;
}

}  // namespace

InkCut PlaceInk(const GlyphInk& whole, const InkGeometry& geometry, GlyphClass glyphClass, FontTable& table,
                int c) {
    // Letters stand as close as the typeface sets them: a headline reaching
    // into the next letter's first column is left to that letter.
    const bool trim = glyphClass == GlyphClass::Consonant && !geometry.reachesLeft && whole.advance > 0 &&
                      OnlyHeadlinePastAdvance(whole, geometry.headlineRow - 1, geometry.baselineRow - 1);
    const GlyphInk ink = trim ? CutAtAdvance(whole) : whole;
    const InkBounds bounds = ink.Bounds();
    int shift = std::max(0, -bounds.left);
    // Ink too wide for the grid gives up its left side bearing before any of it is cut.
    if (bounds.right + shift > kGridSide - 1 && bounds.left > 0)
        shift = std::max(-bounds.left, kGridSide - 1 - bounds.right);
    const int baselineY = geometry.baselineRow - 1;  // grid row (0 at the top) that y = 0 lands on
    const int headlineY = geometry.headlineRow - 1;
    const bool mark = glyphClass == GlyphClass::Vowel;
    // A mark takes no columns: dark ones left of its ink bring an attachment point
    // left of the ink (ं's) into the record.
    if (mark && geometry.attachX) shift = std::max(shift, -*geometry.attachX);
    Overflow move = OverflowOf(bounds, baselineY);
    const bool fits = move.above <= geometry.mostFitted && move.below <= geometry.mostFitted &&
                      (!mark || bounds.top - bounds.bottom < kGridSide);
    if (!fits) move = {};
    const Seams seams = SeamsOf(ink, bounds, headlineY, baselineY);
    GlyphRecord record(table, c);
    for (int i = 0; i < kBitmapBytes; ++i) record.SetBitmapByte(i, 0xFF);
    int top = kGridSide, bottom = -1;  // of the ink as written, to tell what was cut
    for (const InkPixel& p : ink.lit) {
        const int x = p.x + shift;
        const int y = FittedRow(baselineY - p.y, move, mark, seams);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        if (x < kGridSide && y >= 0 && y < kGridSide) record.SetLit(x, y, true);
    }
    const int right = std::min(bounds.right + shift, kGridSide - 1);
    const int advance = ink.advance + (geometry.reachesLeft ? shift : 0);
    // 1-based: column x of the record is centre column x + 1.
    const int wanted = geometry.reachesLeft ? shift + 1
                       : geometry.attachX   ? *geometry.attachX + shift + 1
                                            : (bounds.left + shift + right) / 2 + 1;
    int widest = glyphClass == GlyphClass::Ikaar ? advance : std::max(advance, right + 1);
    if (mark) widest = std::max(widest, wanted);  // its columns are only where its centre may lie
    const int columns = std::clamp(widest, kFewestColumns, kMostColumns);
    record.SetColumnCount(static_cast<Byte>(columns));
    InkCut cut;
    cut.rowsAbove = std::max(0, -top);
    cut.rowsBelow = std::max(0, bottom - (kGridSide - 1));
    cut.columnsRight = std::max(0, bounds.right + shift - (kGridSide - 1));
    cut.movedDown = move.above;
    cut.movedUp = move.below;
    cut.centre = std::clamp(wanted, kFirstCentre, std::min(kLastCentre, columns));
    // Without an attachment point the middle of the ink is only a guess: its clamp tells nothing.
    if (cut.centre != wanted && (geometry.attachX || geometry.reachesLeft)) cut.centreWanted = wanted;
    record.SetClassAndCentre(static_cast<int>(glyphClass), cut.centre);
    return cut;
}

}  // namespace ledfont::cli
