#include "InkPlacement.h"

#include <algorithm>

#include "GlyphRecord.h"

namespace ledfont::cli {
namespace {

std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
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

InkCut PlaceInk(const GlyphInk& ink, int baselineRow, GlyphClass glyphClass, FontTable& table, int c) {
    const InkBounds bounds = ink.Bounds();
    const int shift = std::max(0, -bounds.left);
    const int baselineY = baselineRow - 1;  // grid row (0 at the top) that y = 0 lands on
    GlyphRecord record(table, c);
    for (int i = 0; i < kBitmapBytes; ++i) record.SetBitmapByte(i, 0xFF);
    for (const InkPixel& p : ink.lit) {
        const int x = p.x + shift;
        const int y = baselineY - p.y;
        if (x < kGridSide && y >= 0 && y < kGridSide) record.SetLit(x, y, true);
    }
    const int left = bounds.left + shift;
    const int right = std::min(bounds.right + shift, kGridSide - 1);
    const int columns = std::clamp(std::max(ink.advance, right + 1), kFewestColumns, kMostColumns);
    record.SetColumnCount(static_cast<Byte>(columns));
    const int middle = (left + right) / 2 + 1;
    record.SetClassAndCentre(static_cast<int>(glyphClass),
                             std::clamp(middle, kFirstCentre, std::min(kLastCentre, columns)));
    return {std::max(0, bounds.top - baselineY), std::max(0, baselineY - bounds.bottom - (kGridSide - 1)),
            std::max(0, bounds.right + shift - (kGridSide - 1))};
}

}  // namespace ledfont::cli
