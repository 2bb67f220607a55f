// The host's half of the firmware test. Makes the lines a sign shows of a
// Hindi text, the font image a controller holds, and what the desktop
// composes of every line, for the emulated controller to compose the same
// lines and the test to compare the two byte for byte:
//   host_lines TEXT HINDI JUKTA FOLDER LEAST
// writes FOLDER/lines.txt (one line of UTF-8 a line), FOLDER/image.bin (the
// image as the HEX export lays it out from 0x9000) and FOLDER/expected.bin
// (a record a line: status 0, the columns in 4 bytes, least significant
// first, then 2 bytes a column) and prints how many lines there are; fails
// when they are fewer than LEAST.
//   host_lines --compare FOLDER
// tells the first line whose record in FOLDER/columns.bin, the firmware's,
// differs from expected.bin.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Error.h"
#include "FontFile.h"
#include "LedLine.h"
#include "LineLayout.h"
#include "Utf8.h"
#include "sign_fonts.h"

namespace {

using namespace ledfont;

constexpr std::size_t kSignCharacters = 40;
constexpr int kSpaceColumns = 4;  // as the firmware composes
constexpr std::size_t kImageBytes = SIGN_JUKTA_CODES + 2 * SIGN_JUKTA_GLYPHS;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// A line of the text with every character the sign cannot show (punctuation,
// Latin) made a space, and no space before, after or beside another.
std::u32string SignText(const std::u32string& line) {
    std::u32string text;
    for (const char32_t ch : line) {
        const bool shown = ch >= 0x0900 && ch <= 0x097F;
        if (shown)
            text += ch;
        else if (!text.empty() && text.back() != U' ')
            text += U' ';
    }
    while (!text.empty() && text.back() == U' ') text.pop_back();
    return text;
}

std::u32string Trimmed(const std::u32string& text) {
    const std::size_t first = text.find_first_not_of(U' ');
    if (first == std::u32string::npos) return {};
    return text.substr(first, text.find_last_not_of(U' ') + 1 - first);
}

// Every line a sign 40 characters wide shows while each line of the text
// scrolls through it a character a step, entering on the right and leaving on
// the left (a step that only moves a space is no new line). A text long
// enough to give twice `least` lines scrolls more characters a step.
std::vector<std::string> SignLines(const std::string& utf8, std::size_t least) {
    std::vector<std::u32string> paragraphs;
    std::size_t steps = 0;
    std::istringstream in(utf8);
    for (std::string line; std::getline(in, line);) {
        const std::optional<std::u32string> decoded = sign::DecodeUtf8(line);
        if (!decoded) throw std::runtime_error("the text is not UTF-8");
        paragraphs.push_back(SignText(*decoded));
        steps += paragraphs.back().size() + kSignCharacters;
    }
    const std::size_t step = std::max<std::size_t>(1, steps / (2 * least));
    std::vector<std::string> lines;
    for (const std::u32string& text : paragraphs) {
        std::u32string shown;
        for (std::size_t end = 1; end < text.size() + kSignCharacters; end += step) {
            const std::size_t begin = end > kSignCharacters ? end - kSignCharacters : 0;
            std::u32string window = Trimmed(text.substr(begin, std::min(end, text.size()) - begin));
            if (window.empty() || window == shown) continue;
            shown = window;
            lines.push_back(sign::EncodeUtf8(window));
        }
    }
    return lines;
}

// The image a HEX export of both fonts puts in the controller, from 0x9000.
std::string ControllerImage(const sign::LineFonts& fonts) {
    const SignFonts core = fonts.Core();
    std::string image(kImageBytes, '\0');
    const struct {
        std::uint16_t offset;
        std::size_t size;
    } blocks[] = {{SIGN_HINDI_RECORDS, SIGN_HINDI_GLYPHS * SIGN_RECORD_BYTES},
                  {SIGN_JUKTA_RECORDS, SIGN_JUKTA_GLYPHS * SIGN_RECORD_BYTES},
                  {SIGN_JUKTA_CODES, 2 * SIGN_JUKTA_GLYPHS}};
    for (const auto& block : blocks)
        if (!core.read(core.context, block.offset,
                       reinterpret_cast<std::uint8_t*>(image.data()) + block.offset, block.size))
            throw std::runtime_error("the fonts cannot be read");
    return image;
}

void AppendRecord(std::string& records, sign::LedLine& line) {
    const auto columns = static_cast<std::uint32_t>(line.Columns());
    records += '\0';
    for (int i = 0; i < 4; ++i) records += static_cast<char>((columns >> (8 * i)) & 0xFF);
    const std::span<std::uint8_t> bytes = line.Bytes();
    records.append(bytes.begin(), bytes.end());
}

// The record of each line, by where it starts; the records end there.
std::vector<std::size_t> RecordStarts(const std::string& records) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at + 5 <= records.size();) {
        starts.push_back(at);
        std::uint32_t columns = 0;
        for (std::size_t i = 4; i > 0; --i)
            columns = columns << 8 | static_cast<std::uint8_t>(records[at + i]);
        at += 5 + 2 * std::size_t{columns};
    }
    return starts;
}

int Compare(const std::string& folder) {
    const std::string expected = ReadAll(folder + "/expected.bin");
    const std::string got = ReadAll(folder + "/columns.bin");
    std::istringstream lines(ReadAll(folder + "/lines.txt"));
    const std::vector<std::size_t> starts = RecordStarts(expected);
    std::string line;
    for (std::size_t i = 0; i < starts.size() && std::getline(lines, line); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : expected.size();
        if (got.compare(starts[i], end - starts[i], expected, starts[i], end - starts[i]) != 0) {
            std::cout << "line " << i + 1 << ", \"" << line << "\" (status "
                      << (got.size() > starts[i] ? +got[starts[i]] : -1) << ")\n";
            return 1;
        }
    }
    std::cout << (got.size() == expected.size() ? "no line\n" : "the firmware wrote another size\n");
    return 1;
}

int Run(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--compare") return Compare(argv[2]);
    if (argc != 6) {
        std::cerr << "usage: host_lines TEXT HINDI JUKTA FOLDER LEAST\n";
        return 2;
    }
    const std::string folder = argv[4];
    const std::size_t least = std::stoul(argv[5]);
    FontState hindi, jukta;
    LoadFont(hindi, argv[2]);
    LoadFontJukta(jukta, argv[3]);
    const sign::LineFonts fonts{hindi, &jukta};
    const std::vector<std::string> lines = SignLines(ReadAll(argv[1]), least);
    std::string text, records;
    for (const std::string& line : lines) {
        text += line + '\n';
        sign::LedLine leds = sign::DrawLine(sign::LayOutLine(line, fonts, kSpaceColumns), fonts);
        AppendRecord(records, leds);
    }
    WriteAll(folder + "/lines.txt", text);
    WriteAll(folder + "/image.bin", ControllerImage(fonts));
    WriteAll(folder + "/expected.bin", records);
    std::cout << lines.size() << '\n';
    return lines.size() >= least ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "host_lines: " << e.what() << '\n';
        return 2;
    }
}
