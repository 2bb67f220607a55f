#include "TextToByte.h"

#include <string>

#include "HexText.h"
#include "MessageText.h"

namespace ledfont {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// By hand rather than find_first_not_of: a font load trims thousands of short items.
std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

[[noreturn]] void Mismatch(std::string_view text) {
    throw MakeError<TypeMismatchError>(QuotedForMessage(text) + " is not a number");
}

[[noreturn]] void TooBig(std::string_view text) {
    throw MakeError<OverflowError>(QuotedForMessage(text) + " is outside 0 to 255");
}

// Value of the digits, saturated at 256 so a long run cannot overflow;
// -1 when a character is not a digit of the base or there are none.
int Accumulate(std::string_view digits, int base) {
    if (digits.empty()) return -1;
    int value = 0;
    for (char ch : digits) {
        const int d = DigitValue(ch, base);
        if (d < 0) return -1;
        value = value > 255 ? 256 : value * base + d;
    }
    return value > 255 ? 256 : value;
}

}  // namespace

Byte TextToByte(std::string_view text) {
    // The form every saved file holds, one to three plain digits, goes straight through.
    if (!text.empty() && text.size() <= 3) {
        unsigned value = 0;
        bool digits = true;
        for (char ch : text) {
            digits = digits && ch >= '0' && ch <= '9';
            value = value * 10 + static_cast<unsigned char>(ch - '0');
        }
        if (digits && value <= 255) return static_cast<Byte>(value);
    }
    const std::string_view t = Trim(text);
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        const int value = Accumulate(t.substr(2), 16);
        if (value < 0) Mismatch(text);
        if (value > 255) TooBig(text);
        return static_cast<Byte>(value);
    }
    bool negative = false;
    std::string_view digits = t;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    const int value = Accumulate(digits, 10);
    if (value < 0) Mismatch(text);
    if (value > 255 || (negative && value != 0)) TooBig(text);
    return static_cast<Byte>(value);
}

}  // namespace ledfont
