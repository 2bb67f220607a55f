#include "GlyphEdits.h"

#include <algorithm>

#include "GlyphLimits.h"

namespace ledfont {
namespace {

std::size_t CellByte(int x, int y) { return static_cast<std::size_t>(2 + 2 * x + y / 8); }

int WidthOf(const RecordBytes& record) { return std::clamp(static_cast<int>(record[0]), 1, kGridSide); }

template <class Lit>
RecordBytes Redrawn(const RecordBytes& record, Lit lit) {
    RecordBytes out = record;
    for (int x = 0; x < kGridSide; ++x)
        for (int y = 0; y < kGridSide; ++y) SetLitIn(out, x, y, lit(x, y));
    return out;
}

}  // namespace

bool IsLitIn(const RecordBytes& record, int x, int y) {
    return ((record[CellByte(x, y)] >> (y % 8)) & 1) == 0;
}

void SetLitIn(RecordBytes& record, int x, int y, bool lit) {
    Byte& half = record[CellByte(x, y)];
    const auto bit = static_cast<Byte>(1u << (y % 8));
    half = lit ? static_cast<Byte>(half & ~bit) : static_cast<Byte>(half | bit);
}

RecordBytes ClearedGlyph(const RecordBytes& record) {
    return Redrawn(record, [](int, int) { return false; });
}

RecordBytes ShiftedGlyph(const RecordBytes& record, int dx, int dy) {
    return Redrawn(record, [&](int x, int y) {
        const int fromX = x - dx, fromY = y - dy;
        const bool inside = fromX >= 0 && fromX < kGridSide && fromY >= 0 && fromY < kGridSide;
        return inside && IsLitIn(record, fromX, fromY);
    });
}

RecordBytes FlippedGlyph(const RecordBytes& record, bool horizontal) {
    const int width = WidthOf(record);
    return Redrawn(record, [&](int x, int y) {
        if (x >= width) return IsLitIn(record, x, y);
        return horizontal ? IsLitIn(record, width - 1 - x, y) : IsLitIn(record, x, kGridSide - 1 - y);
    });
}

RecordBytes InvertedGlyph(const RecordBytes& record) {
    const int width = WidthOf(record);
    return Redrawn(record, [&](int x, int y) { return IsLitIn(record, x, y) != (x < width); });
}

}  // namespace ledfont
