#include <optional>

#include "ColumnsOutput.h"
#include "Commands.h"
#include "LedLine.h"
#include "LineFontFiles.h"
#include "LineLayout.h"
#include "LineText.h"
#include "OnFile.h"
#include "OutputGuard.h"
#include "WriteOutput.h"

namespace ledfont::cli {
namespace {

using sign::LedLine;
using sign::LineNote;

constexpr int kDefaultSpace = 4;
constexpr int kWidestSpace = 64;

// The format --format names, else the one the output's name ends in.
ColumnsFormat OutputFormat(const Arguments& args) {
    if (const std::optional<std::string> named = args.Value("--format")) return ColumnsFormatNamed(*named);
    if (const std::optional<ColumnsFormat> format = ColumnsFormatOfName(*args.output)) return *format;
    throw MakeError<UsageError>("\"" + *args.output +
                                "\" does not end in .bin, .c or .hex: name such a file, or say --format "
                                "bin, c or hex");
}

// Only Intel HEX has an address, and it needs one: a line written over the
// start of a controller's flash would take the place of its vectors.
std::optional<std::uint32_t> OutputAddress(const Arguments& args, ColumnsFormat format) {
    const std::optional<std::string> address = args.Value("--address");
    if (format != ColumnsFormat::IntelHex) {
        if (address) throw MakeError<UsageError>("--address is for Intel HEX output (.hex, --format hex)");
        return std::nullopt;
    }
    if (!address) throw MakeError<UsageError>("Intel HEX output needs --address: where the line goes");
    return ParseAddress(*address);
}

std::string Columns(int n) { return std::to_string(n) + (n == 1 ? " column" : " columns"); }

std::string OutputText(LedLine& line, ColumnsFormat format, std::optional<std::uint32_t> address,
                       const Arguments& args) {
    const std::span<const std::uint8_t> bytes(line.Bytes());
    switch (format) {
        case ColumnsFormat::CArray:
            return ColumnsCArray(bytes, ArrayNameOfPath(*args.output),
                                 "ledfont compose: \"" + args.operands[0] + "\", " + Columns(line.Columns()) +
                                     " of 2 bytes: rows 0..7, then rows 8..15; bit r is row r; 0 is lit");
        case ColumnsFormat::IntelHex:
            return IntelHexText(bytes, *address);
        case ColumnsFormat::Raw:
            break;
    }
    return std::string(bytes.begin(), bytes.end());
}

int RunCompose(const Arguments& args, Streams& streams) {
    const ColumnsFormat format = OutputFormat(args);
    const std::optional<std::uint32_t> address = OutputAddress(args, format);
    const int spaceColumns = args.IntValue("--space", 0, kWidestSpace, kDefaultSpace);
    const std::string& text = args.operands[0];
    sign::DecodeLineText(text);  // refused before any font is read
    const LineFontFiles files = LoadLineFontFiles(args);
    const sign::LineFonts fonts = files.Fonts();

    const sign::LineLayout layout = LayOutLine(text, fonts, spaceColumns);
    for (const LineNote& note : layout.notes) streams.err << "ledfont compose: " << note.text << '\n';
    LedLine line = DrawLine(layout, fonts);
    const std::string content = OutputText(line, format, address, args);
    const std::string& output = *args.output;
    const bool named = OnFile(output, [&] {
        if (files.juktaPath && output != "-") RefuseOverwritingFont(output, *files.juktaPath);
        return WriteOutput(output, files.hindiPath, content, streams.out);
    });
    if (named) streams.out << output << ": " << Columns(line.Columns()) << '\n';
    return sign::TellsMissing(layout.notes) ? kExitProblemsFound : kExitOk;
}

}  // namespace

const Command& ComposeCommand() {
    static const Command command{
        "compose",
        "compose TEXT --hindi FONT [--jukta FONT] [--space COLS] [--format bin|c|hex] [--address ADDR] -o "
        "OUT",
        "write the LED columns of a line of Hindi text, for a controller to show",
        "Composes TEXT (UTF-8: Devanagari U+0900..U+097F, spaces, ZWNJ and ZWJ) as\n"
        "preview draws it and writes the line's columns to OUT, for a controller\n"
        "that shows lines drawn beforehand: 2 bytes a column from the left, in the\n"
        "order of a glyph record (rows 0..7, then rows 8..15; bit r is row r; 0 is\n"
        "a lit LED, 1 a dark one). A space is --space dark columns (default 4). The\n"
        "format is the one OUT's name ends in, or the one --format names:\n"
        "  .bin  the bytes as they are;\n"
        "  .c    a C array named after OUT (line.c: const uint8_t line[]) and\n"
        "        line_columns, the number of columns;\n"
        "  .hex  Intel HEX that loads the bytes at --address ADDR (0x8000, or\n"
        "        decimal), with extended linear address records above 0xFFFF.\n"
        "\"-o -\" writes to standard output (with --format); a named pipe or a device\n"
        "is written into; a file is replaced only once the new one is complete, and\n"
        "never one of the font files. Prints the name of the file written and the\n"
        "line's columns. What preview reports about the glyphs is reported on\n"
        "standard error; a placeholder or a blank glyph makes the exit status 1\n"
        "(the line is written all the same); broken UTF-8 or a font that cannot be\n"
        "loaded stops it, with exit status 2.\n",
        {.operands = {"TEXT"},
         .takesOutput = true,
         .needsOutput = true,
         .mode = ModeRule::None,
         .options = {{"--hindi", "FONT"},
                     {"--jukta", "FONT"},
                     {"--space", "COLS"},
                     {"--format", "FORMAT"},
                     {"--address", "ADDR"}}},
        RunCompose,
    };
    return command;
}

}  // namespace ledfont::cli
