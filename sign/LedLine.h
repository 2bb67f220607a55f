#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "LineFonts.h"
#include "LineLayout.h"

namespace ledfont::sign {

// The LEDs of one line of a sign: 16 rows of a number of columns, dark until
// lit, held as the composer's core draws them: 2 bytes a column in the order
// of a glyph record (rows 0..7, then 8..15, bit r row r, 0 lit).
class LedLine {
public:
    // Throws InvalidCallError for a negative number of columns.
    explicit LedLine(int columns);

    int Columns() const { return columns_; }
    // Throws SubscriptError outside the line.
    bool IsLit(int column, int row) const;
    std::span<std::uint8_t> Bytes() { return bytes_; }

private:
    int columns_;
    std::vector<std::uint8_t> bytes_;
};

// The line as the sign shows it: every glyph's lit LEDs where the layout puts
// it, across its drawn columns. Lit LEDs add up; a dark one erases nothing.
LedLine DrawLine(const LineLayout& layout, const LineFonts& fonts);

}  // namespace ledfont::sign
