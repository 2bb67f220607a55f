#include "FontFile.h"

#include <array>
#include <charconv>
#include <exception>

#include "AtomicFile.h"
#include "Error.h"
#include "MessageText.h"
#include "TextToByte.h"

namespace ledfont {
namespace {

constexpr int kMostItems = FileItemCount(FontMode::Hindi);
constexpr int kCodePairsLine = GlyphCount(FontMode::Jukta) * kRecordBytes;  // 2176
using ItemBytes = std::array<Byte, kMostItems>;

const char* ModeName(FontMode mode) { return mode == FontMode::Jukta ? "Jukta" : "Hindi"; }

// The conversion's refusal retold with the line the item stands on.
std::string Where(ItemReader::Item item) {
    return "line " + std::to_string(item.line) + " holds " + QuotedForMessage(item.text);
}

std::exception_ptr TooBig(ItemReader::Item item) {
    return std::make_exception_ptr(OverflowError("Overflow: " + Where(item) + ", a number outside 0 to 255"));
}

std::exception_ptr NotANumber(ItemReader::Item item) {
    return std::make_exception_ptr(
        TypeMismatchError("Type mismatch: " + Where(item) + ", not a number from 0 to 255"));
}

// Reads count items and converts each into bytes. All count items are read
// before a bad one is reported, so a file that is too short reports its end
// first, whatever it holds. (An item too long to be a byte is the exception:
// the reader refuses it at once rather than read on through it.)
void ReadItems(ItemReader& reader, int count, FontMode mode, ItemBytes& bytes, ItemLines* lines) {
    std::exception_ptr firstBad;
    try {
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            const ItemReader::Item item = reader.Next();
            if (lines) lines->push_back(item.line);
            if (firstBad) continue;
            try {
                bytes[i] = TextToByte(item.text);
            } catch (const OverflowError&) {
                firstBad = TooBig(item);
            } catch (const TypeMismatchError&) {
                firstBad = NotANumber(item);
            }
        }
    } catch (const InputPastEndError& e) {
        throw InputPastEndError(e.Description() + "; a " + ModeName(mode) + " font has " +
                                std::to_string(count));
    }
    if (firstBad) std::rethrow_exception(firstBad);
}

void StoreRecords(FontTable& table, const ItemBytes& bytes, int glyphs) {
    for (int c = 0; c < glyphs; ++c)
        for (int k = 0; k < kRecordBytes; ++k)
            table(c, k) = bytes[static_cast<std::size_t>(c * kRecordBytes + k)];
}

void StoreCodePairs(CodeTable& codes, const ItemBytes& bytes) {
    for (int c = 0; c < GlyphCount(FontMode::Jukta); ++c)
        for (int j = 0; j < 2; ++j) codes(c, j) = bytes[static_cast<std::size_t>(kCodePairsLine + 2 * c + j)];
}

void AppendLine(std::string& out, Byte value) {
    char digits[3];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
    out += "\r\n";
}

}  // namespace

void LoadFontItems(FontState& state, FontMode mode, ItemReader& reader, ItemLines* lines) {
    ItemBytes bytes{};
    if (lines) lines->clear();
    ReadItems(reader, FileItemCount(mode), mode, bytes, lines);
    // Every item is good: only now does the table change.
    StoreRecords(state.FontBytes, bytes, GlyphCount(mode));
    if (mode == FontMode::Jukta) StoreCodePairs(state.JuktaCodes, bytes);
}

void LoadFont(FontState& state, const std::string& fn) {
    ItemReader reader = ItemReader::OpenFile(fn);
    LoadFontItems(state, FontMode::Hindi, reader);
}

void LoadFontJukta(FontState& state, const std::string& fn) {
    ItemReader reader = ItemReader::OpenFile(fn);
    LoadFontItems(state, FontMode::Jukta, reader);
}

void LoadFontText(FontState& state, FontMode mode, std::string_view text) {
    ItemReader reader = ItemReader::OverText(text);
    LoadFontItems(state, mode, reader);
}

std::string FontText(const FontState& state) {
    const FontMode mode = state.Mode();
    std::string out;
    out.reserve(static_cast<std::size_t>(FileItemCount(mode)) * 5);
    for (int c = 0; c < GlyphCount(mode); ++c)
        for (int k = 0; k < kRecordBytes; ++k) AppendLine(out, state.FontBytes(c, k));
    if (mode == FontMode::Jukta)
        for (int c = 0; c < GlyphCount(mode); ++c)
            for (int j = 0; j < 2; ++j) AppendLine(out, state.JuktaCodes(c, j));
    return out;
}

void SaveFont(const FontState& state, const std::string& fn) { WriteFileAtomically(fn, FontText(state)); }

}  // namespace ledfont
