#include "GlyphClipboard.h"

#include <sstream>
#include <vector>

#include "HexText.h"

namespace ledfont {
namespace {

constexpr std::string_view kHeader = "ledfont-glyph 1";

std::optional<std::vector<Byte>> HexLine(const std::string& line) {
    std::istringstream words(line);
    std::vector<Byte> bytes;
    std::string word;
    while (words >> word) {
        if (word.size() != 2 || DigitValue(word[0]) < 0 || DigitValue(word[1]) < 0) return std::nullopt;
        bytes.push_back(static_cast<Byte>(DigitValue(word[0]) * 16 + DigitValue(word[1])));
    }
    return bytes;
}

}  // namespace

std::string GlyphClipboardText(const ClipboardGlyph& glyph) {
    std::string text(kHeader);
    text += '\n';
    for (std::size_t k = 0; k < glyph.record.size(); ++k) text += (k ? " " : "") + HexCh(glyph.record[k]);
    text += '\n';
    if (glyph.codes) text += HexCh((*glyph.codes)[0]) + " " + HexCh((*glyph.codes)[1]) + "\n";
    return text;
}

std::optional<ClipboardGlyph> ParseGlyphClipboardText(std::string_view text) {
    std::istringstream lines{std::string(text)};
    std::string line;
    if (!std::getline(lines, line) || line.substr(0, line.find_last_not_of("\r ") + 1) != kHeader)
        return std::nullopt;
    std::vector<std::vector<Byte>> rows;
    while (std::getline(lines, line)) {
        const auto bytes = HexLine(line);
        if (!bytes) return std::nullopt;
        if (!bytes->empty()) rows.push_back(*bytes);
    }
    if (rows.empty() || rows.size() > 2 || rows[0].size() != kRecordBytes) return std::nullopt;
    if (rows.size() == 2 && rows[1].size() != 2) return std::nullopt;
    ClipboardGlyph glyph;
    std::copy(rows[0].begin(), rows[0].end(), glyph.record.begin());
    if (rows.size() == 2) glyph.codes = std::array<Byte, 2>{rows[1][0], rows[1][1]};
    return glyph;
}

}  // namespace ledfont
