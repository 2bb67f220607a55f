#include "LineText.h"

#include "Devanagari.h"
#include "Error.h"
#include "HexText.h"
#include "Utf8.h"

namespace ledfont::cli {

std::u32string ReadLineText(std::string_view utf8) {
    std::u32string line;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string position = "character " + std::to_string(line.size() + 1) + " of the text";
        const Utf8Character d = DecodeUtf8At(utf8, at);
        if (d.length == 0)
            throw InvalidCallError("Invalid procedure call or argument (" + position + ", at byte " +
                                   std::to_string(at + 1) + ", is not UTF-8)");
        if (d.ch != kSpace && !IsDevanagari(d.ch))
            throw InvalidCallError("Invalid procedure call or argument (" + position + " is " +
                                   CodePointText(d.ch) +
                                   ", outside U+0900..U+097F; a line holds Devanagari and spaces only)");
        line += d.ch;
        at += d.length;
    }
    return line;
}

}  // namespace ledfont::cli
