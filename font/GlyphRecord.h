#pragma once

#include "FontState.h"

namespace ledfont {

// Reads and writes the fields of the 34-byte glyph record of character c:
// byte 0 column count, byte 1 class * 16 + centre column, bytes 2 + 2x and
// 3 + 2x the upper and lower halves of column x, bit (y mod 8) = row y, 0 = lit.
// Every access is bounds-checked through the table (throws SubscriptError).
class GlyphRecord {
public:
    GlyphRecord(FontTable& table, long character) : table_(table), c_(character) {}

    Byte ColumnCount() const { return table_(c_, 0); }
    int Class() const { return table_(c_, 1) / 16; }
    int CentreColumn() const { return table_(c_, 1) % 16; }
    Byte BitmapByte(int i) const { return table_(c_, 2 + i); }  // i = 0..31

    // Cell (x, y), column x and row y in 0..15; throws SubscriptError outside.
    bool IsLit(int x, int y) const;
    void SetLit(int x, int y, bool lit);

    void SetColumnCount(Byte n) { table_(c_, 0) = n; }
    // Throws OverflowError when class * 16 + centre does not fit a byte.
    void SetClassAndCentre(int glyphClass, int centre);
    void SetBitmapByte(int i, Byte value) { table_(c_, 2 + i) = value; }

private:
    static void CheckCell(int x, int y);
    FontTable& table_;
    long c_;
};

}  // namespace ledfont
