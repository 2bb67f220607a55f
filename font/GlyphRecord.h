#pragma once

#include "FontState.h"

namespace ledfont {

// Reads the fields of the 34-byte glyph record of character c: byte 0 column
// count, byte 1 class * 16 + centre column, bytes 2 + 2x and 3 + 2x the upper
// and lower halves of column x, bit (y mod 8) = row y, 0 = lit. Every access
// is bounds-checked through the table (throws SubscriptError).
class GlyphView {
public:
    GlyphView(const FontTable& table, long character) : c_(character), table_(table) {}

    Byte ColumnCount() const { return table_(c_, 0); }
    int Class() const { return table_(c_, 1) / 16; }
    int CentreColumn() const { return table_(c_, 1) % 16; }
    Byte BitmapByte(int i) const { return table_(c_, 2 + i); }  // i = 0..31

    // Cell (x, y), column x and row y in 0..15; throws SubscriptError outside.
    bool IsLit(int x, int y) const;

    // Record byte of cell (x, y); throws SubscriptError outside the grid.
    static int CellByte(int x, int y);

protected:
    long c_;

private:
    const FontTable& table_;
};

// A glyph record that can also be written.
class GlyphRecord : public GlyphView {
public:
    GlyphRecord(FontTable& table, long character) : GlyphView(table, character), table_(table) {}

    void SetLit(int x, int y, bool lit);
    void SetColumnCount(Byte n) { table_(c_, 0) = n; }
    // Throws OverflowError when class * 16 + centre does not fit a byte.
    void SetClassAndCentre(int glyphClass, int centre);
    void SetBitmapByte(int i, Byte value) { table_(c_, 2 + i) = value; }

private:
    FontTable& table_;
};

}  // namespace ledfont
