#include "GlyphRecord.h"

#include <string>

namespace ledfont {

int GlyphView::CellByte(int x, int y) {
    if (x < 0 || x > 15 || y < 0 || y > 15)
        throw SubscriptError("Subscript out of range: cell (" + std::to_string(x) + ", " + std::to_string(y) +
                             ") is outside the 16 x 16 grid");
    return 2 + 2 * x + y / 8;
}

bool GlyphView::IsLit(int x, int y) const {
    const Byte half = table_(c_, CellByte(x, y));
    return ((half >> (y % 8)) & 1) == 0;
}

void GlyphRecord::SetLit(int x, int y, bool lit) {
    Byte& half = table_(c_, CellByte(x, y));
    const auto bit = static_cast<Byte>(1u << (y % 8));
    half = lit ? static_cast<Byte>(half & ~bit) : static_cast<Byte>(half | bit);
}

void GlyphRecord::SetClassAndCentre(int glyphClass, int centre) {
    const int value = glyphClass * 16 + centre;
    if (value < 0 || value > 255)
        throw OverflowError("Overflow: class " + std::to_string(glyphClass) + " and centre " +
                            std::to_string(centre) + " do not fit in one byte");
    table_(c_, 1) = static_cast<Byte>(value);
}

}  // namespace ledfont
