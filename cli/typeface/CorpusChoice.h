#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "ConjunctList.h"

namespace ledfont::cli {

// The Jukta glyphs chosen from a text: the 64 that join the most of its
// consonant + virama + consonant, as a list the import reads back.
struct CorpusChoice {
    std::vector<Conjunct> conjuncts;
    std::string list;          // the conjunct list's text, with a header that says how it was made
    std::size_t joinable = 0;  // the text's consonant + virama + consonant (less those with ZWNJ)
    std::size_t joined = 0;    // of them, joined by the chosen glyphs
};

// Chooses from the UTF-8 text in the file at path. Throws TypeMismatchError
// for text that is not UTF-8, InvalidPropertyError for one with nothing to join.
CorpusChoice ChooseFromCorpus(const std::string& path);

// Where the chosen list goes: --list-out, else beside the font (jukta.txt:
// jukta.conjuncts.txt); nothing when the font goes to standard output.
std::optional<std::string> ListPath(const Arguments& args);

// Writes the list to path (when there is one) and tells what it holds.
void WriteChosenList(const CorpusChoice& choice, const std::optional<std::string>& path,
                     const std::string& corpus, Streams& streams);

}  // namespace ledfont::cli
