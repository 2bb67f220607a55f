#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ByteTable.h"

namespace ledfont::cli {

// What a glyph of a Jukta font stands for: a conjunct of two consonants or
// more, the half form of one (स्, drawn before the consonant it joins), or the
// reph (र्, a mark above the right end of its syllable), the rakar (्र, a
// mark on the stem of the consonant before it: क्र), or a consonant with the
// vowel sign below it as the typeface joins them (रु), or a vowel sign above
// with ं or ँ as the typeface stacks them (ें, a mark).
enum class ConjunctKind { Conjunct, HalfForm, Reph, Rakar, WithVowelSign, SignPair };

// One conjunct of a Jukta font as a list names it.
struct Conjunct {
    std::string text;  // Devanagari, UTF-8: "क्ष"
    long line = 0;     // where the list holds it
    Byte first = 0;    // its code pair
    Byte second = 0;
    ConjunctKind kind = ConjunctKind::Conjunct;
};

// The code pair a conjunct gets when its line gives none: the code bytes of
// its first and last consonant (क्ष, U+0915 U+094D U+0937: 15 37; a letter
// with a nukta has its precomposed letter's, ज़ 5B). A single consonant and a
// virama is a half form, (consonant, 4D); र and a virama the reph, 30 4D; a
// virama and र the rakar, 4D 30; a consonant and ु ू ृ or ॄ the consonant's
// byte and the sign's (रु: 30 41); े ै with ं or ँ their two bytes (ें: 47 02). The
// text preview joins by these pairs. Nothing for other texts.
std::optional<std::pair<Byte, Byte>> DefaultCodePair(const std::u32string& text);

// What text stands for: a half form or the reph for a consonant and a virama
// (and a ZWJ), the rakar for a virama and र, a consonant with its vowel sign
// for a consonant and a vowel sign below, a pair of signs for े or ै and ं
// or ँ, a conjunct otherwise.
ConjunctKind KindOf(const std::u32string& text);

// Reads a conjunct list: one conjunct a line as Devanagari text in UTF-8,
// optionally followed by its two code bytes in hexadecimal ("क्ष 15 37"),
// parted by spaces or tabs. Blank lines and lines starting with "#" are
// skipped. At most 64 conjuncts. A bad line is refused with its line number:
// TypeMismatchError for text that is not Devanagari or a code byte that is not
// two hexadecimal digits, InvalidPropertyError for a list too long or empty.
// A half form ("स्") and the reph ("र्") are entries like any conjunct.
// name is how messages call the list.
std::vector<Conjunct> ParseConjunctList(std::string_view text, const std::string& name);

// The list in the file at path (the file errors of ReadWholeFile).
std::vector<Conjunct> ReadConjunctList(const std::string& path);

}  // namespace ledfont::cli
