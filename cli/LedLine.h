#pragma once

#include <string>
#include <vector>

#include "LineLayout.h"

namespace ledfont::cli {

// The LEDs of one line of a sign: 16 rows of a number of columns, dark until lit.
class LedLine {
public:
    explicit LedLine(int columns);

    int Columns() const { return columns_; }
    // Throws SubscriptError outside the line.
    bool IsLit(int column, int row) const;
    // Lights an LED; one outside the line is not shown, so nothing happens.
    void Light(int column, int row);

private:
    std::size_t At(int column, int row) const;

    int columns_;
    std::vector<bool> lit_;  // column by column, 16 rows each
};

// The line as the sign shows it: every glyph's lit LEDs where the layout puts
// it, across its column count. Lit LEDs add up; a dark one erases nothing.
LedLine DrawLine(const LineLayout& layout, const LineFonts& fonts);

// The line for a terminal: 16 rows, one character per LED, '#' lit and '.' dark.
std::string LineArt(const LedLine& line);

}  // namespace ledfont::cli
