#include "CorpusChoice.h"

#include <cstdio>
#include <filesystem>

#include "Error.h"
#include "FontMode.h"
#include "JoinSites.h"
#include "JuktaChoice.h"
#include "OnFile.h"
#include "ReadableFile.h"
#include "Utf8.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

constexpr std::size_t kLargestCorpus = std::size_t{256} << 20;

std::string Share(std::size_t part, std::size_t whole) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f %%",
                  whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0);
    return text;
}

std::string ListText(const std::vector<Conjunct>& conjuncts, const std::string& corpus, std::size_t joined,
                     std::size_t joinable) {
    std::string text = "# The Jukta glyphs that ledfont import --jukta --corpus chose from " + corpus +
                       ":\n# they join " + Share(joined, joinable) + " of its " + std::to_string(joinable) +
                       " consonant + virama + consonant, the most worth first.\n"
                       "# One a line, as Devanagari text, optionally followed by its two code bytes\n"
                       "# in hexadecimal: a conjunct (\"क्ष\": the code bytes of its first and last\n"
                       "# consonant, 15 37), a half form (\"स्\": 38 4D, drawn before the consonant\n"
                       "# it joins) or the reph (\"र्\": 30 4D). A letter with a nukta has its\n"
                       "# precomposed letter's byte (ज़ 5B). Edit it and import it again with\n"
                       "# ledfont import --jukta LIST.\n";
    for (const Conjunct& conjunct : conjuncts) text += conjunct.text + '\n';
    return text;
}

}  // namespace

CorpusChoice ChooseFromCorpus(const std::string& path) {
    return OnFile(path, [&] {
        const std::optional<std::u32string> text = sign::DecodeUtf8(ReadWholeFile(path, kLargestCorpus));
        if (!text) throw MakeError<TypeMismatchError>("\"" + path + "\" is not UTF-8 text");
        const std::vector<sign::JoinSite> sites = sign::FindJoinSites(*text);
        const std::vector<sign::JuktaPair> pairs =
            sign::ChooseJuktaPairs(sites, static_cast<std::size_t>(GlyphCount(FontMode::Jukta)));
        if (pairs.empty())
            throw MakeError<InvalidPropertyError>("\"" + path +
                                                  "\" holds no consonant + virama + consonant to choose for");
        CorpusChoice choice;
        const sign::JoinCount count = sign::CountJoined(sites, pairs);
        choice.joinable = count.joinable;
        choice.joined = count.joined;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const std::string entry = pairs[i].Text();
            choice.conjuncts.push_back({entry, static_cast<long>(i + 1), pairs[i].first, pairs[i].second,
                                        KindOf(*sign::DecodeUtf8(entry))});
        }
        const std::string name = std::filesystem::path(path).filename().string();
        choice.list = ListText(choice.conjuncts, name, choice.joined, choice.joinable);
        return choice;
    });
}

std::optional<std::string> ListPath(const Arguments& args) {
    if (const std::optional<std::string> named = args.Value("--list-out")) return named;
    if (*args.output == "-") return std::nullopt;
    std::filesystem::path path(*args.output);
    path.replace_extension(".conjuncts.txt");
    return path.string();
}

void WriteChosenList(const CorpusChoice& choice, const std::optional<std::string>& path,
                     const std::string& corpus, Streams& streams) {
    const std::string about = std::to_string(choice.conjuncts.size()) + " Jukta glyphs chosen from " +
                              corpus + ": they join " + Share(choice.joined, choice.joinable) + " of its " +
                              std::to_string(choice.joinable) + " consonant + virama + consonant";
    if (!path) {
        streams.err << "(standard output): " << about << "; give --list-out to keep the list\n";
        return;
    }
    const bool named = OnFile(*path, [&] { return WriteOutput(*path, corpus, choice.list, streams.out); });
    streams.err << *path << ": " << about << '\n';
    if (named) streams.out << *path << '\n';
}

}  // namespace ledfont::cli
