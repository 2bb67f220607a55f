#include "ImportRun.h"

#include <filesystem>

#include "ConjunctList.h"
#include "CorpusChoice.h"
#include "DataFile.h"
#include "DefaultTypeface.h"
#include "DescriptorIo.h"
#include "FontCheck.h"
#include "FontImporter.h"
#include "HexText.h"
#include "OnFile.h"
#include "OutputGuard.h"
#include "ReadableFile.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

constexpr const char* kConjunctListName = "conjuncts.txt";

// A TrueType or OpenType file (a collection too) starts with one of these.
bool IsTypefaceFile(const std::string& path) {
    return OnFile(path, [&] {
        const FileDescriptor fd = OpenForReading(path);
        char head[4] = {};
        std::size_t got = 0;
        while (got < sizeof head)
            if (const std::size_t n = ReadSome(fd.Get(), head + got, sizeof head - got, path); n > 0)
                got += n;
            else
                break;
        const std::string_view start(head, got);
        return start == std::string_view("\0\1\0\0", 4) || start == "OTTO" || start == "true" ||
               start == "ttcf";
    });
}

Hinting HintingOf(const Arguments& args) {
    const std::string name = args.Value("--hinting").value_or("full");
    if (name == "none") return Hinting::None;
    if (name == "light") return Hinting::Light;
    if (name == "full") return Hinting::Full;
    throw MakeError<UsageError>("--hinting takes none, light or full, not \"" + name + "\"");
}

const char* HintingName(Hinting hinting) {
    return hinting == Hinting::None ? "none" : hinting == Hinting::Light ? "light" : "full";
}

// The operands as what they are: [CONJUNCTS] [TYPEFACE] for Jukta, [TYPEFACE] for Hindi.
struct Inputs {
    std::optional<std::string> conjuncts;
    std::optional<std::string> corpus;  // the text to choose the conjuncts from
    std::string typeface = LEDFONT_DEFAULT_TYPEFACE;
    bool defaultTypeface = true;
};

Inputs InputsOf(const Arguments& args) {
    Inputs inputs;
    std::vector<std::string> operands = args.operands;
    if (*args.mode == FontMode::Hindi && operands.size() > 1)
        throw MakeError<UsageError>(
            "a Hindi font is imported from one TYPEFACE; a conjunct list is for --jukta");
    inputs.corpus = args.Value("--corpus");
    if (inputs.corpus && *args.mode == FontMode::Hindi)
        throw MakeError<UsageError>("--corpus chooses the conjuncts of a Jukta font: it is for --jukta");
    if (args.Has("--list-out") && !inputs.corpus)
        throw MakeError<UsageError>(
            "--list-out tells where the list that --corpus chose goes: give --corpus");
    if (inputs.corpus && operands.size() == 2)
        throw MakeError<UsageError>("--corpus chooses the conjuncts: give no CONJUNCTS list with it");
    // One operand of a Jukta import is whichever of the two its content says.
    if (*args.mode == FontMode::Jukta && !inputs.corpus && !operands.empty() &&
        (operands.size() == 2 || !IsTypefaceFile(operands.front()))) {
        inputs.conjuncts = operands.front();
        operands.erase(operands.begin());
    }
    if (!operands.empty()) {
        inputs.typeface = operands.front();
        inputs.defaultTypeface = false;
    }
    std::error_code ec;
    if (inputs.defaultTypeface && !std::filesystem::exists(inputs.typeface, ec))
        throw MakeError<FileNotFoundError>(
            "the default typeface \"" + inputs.typeface +
            "\" is not installed: install Debian's fonts-lohit-deva, or name a "
            "TYPEFACE");
    // Refused as every input is (missing, unreadable, not a regular file) before FreeType sees it.
    OnFile(inputs.typeface, [&] { OpenForReading(inputs.typeface); });
    return inputs;
}

ImportRequest RequestOf(const Arguments& args, const Inputs& inputs) {
    ImportRequest request;
    request.mode = *args.mode;
    request.typeface = inputs.typeface;
    if (args.Has("--size")) request.size = args.IntValue("--size", kSmallestSize, kLargestSize, 0);
    if (args.Has("--baseline")) request.baseline = args.IntValue("--baseline", 1, kGridSide, 0);
    request.render.hinting = HintingOf(args);
    if (args.Has("--threshold")) request.render.threshold = args.IntValue("--threshold", 0, 255, 0);
    if (request.mode == FontMode::Jukta && !inputs.corpus) {
        const std::string list = inputs.conjuncts ? *inputs.conjuncts : FindDataFile(kConjunctListName);
        request.conjuncts = ReadConjunctList(list);
    }
    return request;
}

// What a check of the written font would find: nothing but code pairs a
// conjunct list gave twice or as 00 00, and the empty ones after a short list,
// which are told in one line.
void ReportFindings(const std::string& name, const ImportOutcome& outcome, FontMode mode,
                    std::size_t conjuncts, std::ostream& err) {
    // Save writes item i on line i + 1.
    LoadReport lines;
    for (long i = 0; i < FileItemCount(mode); ++i) lines.lines.push_back(i + 1);
    const int glyphs = GlyphCount(mode);
    const int filled = mode == FontMode::Jukta ? static_cast<int>(conjuncts) : glyphs;
    // The line of the last code byte of the last conjunct of the list, item CodePairItem(filled, 0) - 1.
    const long lastFilledLine = mode == FontMode::Jukta ? CodePairItem(filled, 0) : FileItemCount(mode);
    for (const FontFinding& finding : CheckFont(outcome.font, mode, lines))
        if (finding.line <= lastFilledLine)
            err << name << ':' << finding.line << ": " << finding.text << '\n';
    if (filled < glyphs)
        err << name << ": glyphs " << filled << ".." << glyphs - 1 << " (" << GlyphCodeText(mode, filled)
            << ".." << GlyphCodeText(mode, glyphs - 1)
            << ") are blank with the empty code pair 00 00: the list holds " << conjuncts
            << (conjuncts == 1 ? " conjunct\n" : " conjuncts\n");
}

void ReportSummary(const std::string& name, const ImportRequest& request, const ImportOutcome& outcome,
                   std::ostream& err) {
    const std::string typeface = std::filesystem::path(request.typeface).filename().string();
    const std::size_t conjuncts = request.conjuncts.size();
    err << name << ": "
        << (request.mode == FontMode::Jukta
                ? std::to_string(conjuncts) + (conjuncts == 1 ? " conjunct" : " conjuncts")
                : std::to_string(GlyphCount(request.mode)) + " Hindi glyphs")
        << " from " << typeface << " at " << outcome.size << " pixels";
    if (!outcome.sizeBasis.empty()) err << " (" << outcome.sizeBasis << ')';
    err << ", baseline under row " << outcome.baseline << ", hinting " << HintingName(request.render.hinting);
    if (request.render.threshold) err << ", grey above " << *request.render.threshold;
    err << "; " << outcome.blanks << " blank, " << outcome.cut << " with ink cut off, " << outcome.fitted
        << " fitted into the grid, " << outcome.clamped
        << (outcome.clamped == 1 ? " centre column clamped\n" : " centre columns clamped\n");
}

}  // namespace

int RunImport(const Arguments& args, Streams& streams) {
    const Inputs inputs = InputsOf(args);
    ImportRequest request = RequestOf(args, inputs);
    std::optional<CorpusChoice> choice;
    if (inputs.corpus) {
        choice = ChooseFromCorpus(*inputs.corpus);
        request.conjuncts = choice->conjuncts;
    }
    const ImportOutcome outcome = FontImporter(request).Run();
    const std::string& output = *args.output;
    const std::string text = FontText(outcome.font);
    const bool named = OnFile(output, [&] {
        if (inputs.conjuncts && output != "-") RefuseOverwritingFont(output, *inputs.conjuncts);
        return WriteOutput(output, request.typeface, text, streams.out);
    });
    const std::string name = output == "-" ? "(standard output)" : output;
    ReportSummary(name, request, outcome, streams.err);
    for (const std::string& note : outcome.notes) streams.err << name << ": " << note << '\n';
    ReportFindings(name, outcome, request.mode, request.conjuncts.size(), streams.err);
    if (named) streams.out << output << '\n';
    if (choice) WriteChosenList(*choice, ListPath(args), *inputs.corpus, streams);
    return kExitOk;
}

}  // namespace ledfont::cli
