#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "Picture.h"

namespace ledfont::picture {

// The sixteen hexadecimal digits in a 5 x 7 dot font, like the digits of an
// LED sign, so a picture's labels look the same on every machine and need
// no fonts. Each dot is drawn kDigitDotSize pixels square, with one dot of
// space after each digit.
inline constexpr int kDigitColumns = 5;
inline constexpr int kDigitRows = 7;
inline constexpr int kDigitDotSize = 2;
inline constexpr int kDigitAdvance = (kDigitColumns + 1) * kDigitDotSize;
inline constexpr int kDigitHeight = kDigitRows * kDigitDotSize;

// The rows of a digit from the top, bit 4 the leftmost dot; ch is '0'..'9'
// or 'A'..'F'. Any other character (a space) has no dots.
std::array<std::uint8_t, kDigitRows> DigitRows(char ch);

// Pixels across text written in the digits, without the space after the last.
constexpr int DigitsWidth(std::string_view text) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * kDigitAdvance - kDigitDotSize;
}

// Writes text with the top left of its first digit at (left, top).
void DrawDigits(Picture& picture, std::string_view text, int left, int top, Rgb colour);

}  // namespace ledfont::picture
