#include "LedDigits.h"

namespace ledfont::picture {
namespace {

using Rows = std::array<std::uint8_t, kDigitRows>;

constexpr std::array<Rows, 16> kDigits = {{
    {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110},  // 0
    {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110},  // 1
    {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111},  // 2
    {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110},  // 3
    {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010},  // 4
    {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110},  // 5
    {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110},  // 6
    {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000},  // 7
    {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110},  // 8
    {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100},  // 9
    {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001},  // A
    {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110},  // B
    {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110},  // C
    {0b11100, 0b10010, 0b10001, 0b10001, 0b10001, 0b10010, 0b11100},  // D
    {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111},  // E
    {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000},  // F
}};

}  // namespace

std::array<std::uint8_t, kDigitRows> DigitRows(char ch) {
    if (ch >= '0' && ch <= '9') return kDigits[static_cast<std::size_t>(ch - '0')];
    if (ch >= 'A' && ch <= 'F') return kDigits[static_cast<std::size_t>(ch - 'A' + 10)];
    return {};
}

void DrawDigits(Picture& picture, std::string_view text, int left, int top, Rgb colour) {
    for (const char ch : text) {
        const auto rows = DigitRows(ch);
        for (int row = 0; row < kDigitRows; ++row)
            for (int dot = 0; dot < kDigitColumns; ++dot)
                if ((rows[static_cast<std::size_t>(row)] >> (kDigitColumns - 1 - dot)) & 1)
                    picture.FillRect(left + dot * kDigitDotSize, top + row * kDigitDotSize, kDigitDotSize,
                                     kDigitDotSize, colour);
        left += kDigitAdvance;
    }
}

}  // namespace ledfont::picture
