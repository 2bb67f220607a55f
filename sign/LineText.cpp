#include "LineText.h"

#include "HexText.h"
#include "Utf8.h"

namespace ledfont::sign {
namespace {

std::string Position(std::size_t character) {
    return "character " + std::to_string(character) + " of the text";
}

}  // namespace

InvalidCallError NotUtf8Error(std::size_t character, std::size_t byte) {
    return InvalidCallError("Invalid procedure call or argument (" + Position(character) + ", at byte " +
                            std::to_string(byte) + ", is not UTF-8)");
}

InvalidCallError NotDevanagariError(std::size_t character, char32_t ch) {
    return InvalidCallError("Invalid procedure call or argument (" + Position(character) + " is " +
                            CodePointText(ch) +
                            ", outside U+0900..U+097F; a line holds Devanagari and spaces only)");
}

std::u32string DecodeLineText(std::string_view utf8) {
    std::u32string line;
    line.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character d = DecodeUtf8At(utf8, at);
        if (d.length == 0) throw NotUtf8Error(line.size() + 1, at + 1);
        line += d.ch;
        at += d.length;
    }
    return line;
}

}  // namespace ledfont::sign
