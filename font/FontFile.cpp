#include "FontFile.h"

#include <array>
#include <charconv>
#include <climits>
#include <exception>
#include <optional>

#include "AtomicFile.h"
#include "Error.h"
#include "MessageText.h"
#include "TextToByte.h"

namespace ledfont {
namespace {

constexpr int kMostItems = FileItemCount(FontMode::Hindi);
using ItemBytes = std::array<Byte, kMostItems>;

// The conversion's refusal retold with the line the item stands on and the file.
std::string Where(const ItemReader& reader, ItemReader::Item item) {
    return "line " + std::to_string(item.line) + " of " + reader.Name() + " holds " +
           QuotedForMessage(item.text);
}

std::exception_ptr TooBig(const ItemReader& reader, ItemReader::Item item) {
    return std::make_exception_ptr(
        MakeError<OverflowError>(Where(reader, item) + ", a number outside 0 to 255"));
}

std::exception_ptr NotANumber(const ItemReader& reader, ItemReader::Item item) {
    return std::make_exception_ptr(
        MakeError<TypeMismatchError>(Where(reader, item) + ", not a number from 0 to 255"));
}

// "\"font.txt\" ends after 1 item", where the input came to its end.
std::string EndsAfter(const ItemReader& reader) {
    const long items = reader.ItemsRead();
    return reader.Name() + " ends after " + std::to_string(items) + (items == 1 ? " item" : " items");
}

// The end came too soon; a file that the other mode loads says to choose it.
[[noreturn]] void ThrowTooShort(const ItemReader& reader, FontMode mode) {
    const long items = reader.ItemsRead();
    std::string text =
        EndsAfter(reader) + ", and a " + ModeName(mode) + " font has " + std::to_string(FileItemCount(mode));
    if (const std::optional<FontMode> fits = ModeOfItemCount(items); fits && *fits != mode)
        text += std::string(items == FileItemCount(*fits) ? "; that is the size of a " : "; enough for a ") +
                ModeName(*fits) + " font: choose " + ModeName(*fits);
    throw MakeError<InputPastEndError>(text);
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
                firstBad = TooBig(reader, item);
            } catch (const TypeMismatchError&) {
                firstBad = NotANumber(reader, item);
            }
        }
    } catch (const InputPastEndError&) {
        ThrowTooShort(reader, mode);
    }
    if (firstBad) std::rethrow_exception(firstBad);
}

// Counts the items after the ones a load reads, up to limit of them. Nothing
// after those items is part of the font, so a flaw there (an item too long
// to be a byte) only ends the count.
void CountItemsAfter(ItemReader& reader, long limit, LoadReport& seen) {
    try {
        while (seen.itemsAfter < limit) {
            const ItemReader::Item item = reader.Next();
            if (seen.itemsAfter++ == 0) seen.firstLineAfter = item.line;
        }
    } catch (const InputPastEndError&) {
    } catch (const TypeMismatchError&) {
    }
}

// A Jukta load of a whole Hindi font would lose glyphs 64..127 at the next Save.
void RefuseHindiFontAsJukta(const ItemReader& reader, long itemsAfter) {
    const long items = FileItemCount(FontMode::Jukta) + itemsAfter;
    const int hindi = FileItemCount(FontMode::Hindi);
    const std::string count = items > hindi ? "more than " + std::to_string(hindi) : std::to_string(hindi);
    throw MakeError<BadFileModeError>(
        reader.Name() + " holds " + count + " items, a whole Hindi font, and a Jukta font has " +
        std::to_string(FileItemCount(FontMode::Jukta)) +
        "; loaded as Jukta, glyphs 64 to 127 would be lost at the next Save: choose Hindi");
}

void StoreRecords(FontTable& table, const ItemBytes& bytes, int glyphs) {
    for (int c = 0; c < glyphs; ++c)
        for (int k = 0; k < kRecordBytes; ++k)
            table(c, k) = bytes[static_cast<std::size_t>(c * kRecordBytes + k)];
}

void StoreCodePairs(CodeTable& codes, const ItemBytes& bytes) {
    for (int c = 0; c < GlyphCount(FontMode::Jukta); ++c)
        for (int j = 0; j < kCodePairBytes; ++j)
            codes(c, j) = bytes[static_cast<std::size_t>(CodePairItem(c, j))];
}

void AppendLine(std::string& out, Byte value) {
    char digits[3];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
    out += "\r\n";
}

}  // namespace

void LoadFontItems(FontState& state, FontMode mode, ItemReader& reader, LoadReport* report) {
    ItemBytes bytes{};
    LoadReport seen;
    ReadItems(reader, FileItemCount(mode), mode, bytes, report ? &seen.lines : nullptr);
    const long hindiMore = FileItemCount(FontMode::Hindi) - FileItemCount(mode);  // 0 for Hindi
    // One item more than a Hindi font tells "4352 items" from "more than 4352".
    const long countTo = report ? LONG_MAX : mode == FontMode::Jukta ? hindiMore + 1 : 0;
    CountItemsAfter(reader, countTo, seen);
    if (mode == FontMode::Jukta && ModeOfItemCount(FileItemCount(mode) + seen.itemsAfter) == FontMode::Hindi)
        RefuseHindiFontAsJukta(reader, seen.itemsAfter);
    // Every item is good: only now does the table change.
    StoreRecords(state.FontBytes, bytes, GlyphCount(mode));
    if (mode == FontMode::Jukta) StoreCodePairs(state.JuktaCodes, bytes);
    if (report) *report = std::move(seen);
}

void LoadFont(FontState& state, const std::string& fn) {
    ItemReader reader = ItemReader::OpenFile(fn);
    LoadFontItems(state, FontMode::Hindi, reader);
}

void LoadFontJukta(FontState& state, const std::string& fn) {
    ItemReader reader = ItemReader::OpenFile(fn);
    LoadFontItems(state, FontMode::Jukta, reader);
}

FontMode FontFileMode(const std::string& fn) {
    ItemReader reader = ItemReader::OpenFile(fn);
    const long most = FileItemCount(FontMode::Hindi);
    try {
        while (reader.ItemsRead() < most) reader.Next();
    } catch (const InputPastEndError&) {
    }
    if (const std::optional<FontMode> mode = ModeOfItemCount(reader.ItemsRead())) return *mode;
    throw MakeError<InputPastEndError>(EndsAfter(reader) + ", and a Hindi font has " + std::to_string(most) +
                                       ", a Jukta font " + std::to_string(FileItemCount(FontMode::Jukta)));
}

std::string FontText(const FontState& state) {
    const FontMode mode = state.Mode();
    std::string out;
    out.reserve(static_cast<std::size_t>(FileItemCount(mode)) * 5);
    for (int c = 0; c < GlyphCount(mode); ++c)
        for (int k = 0; k < kRecordBytes; ++k) AppendLine(out, state.FontBytes(c, k));
    if (mode == FontMode::Jukta)
        for (int c = 0; c < GlyphCount(mode); ++c)
            for (int j = 0; j < kCodePairBytes; ++j) AppendLine(out, state.JuktaCodes(c, j));
    return out;
}

void SaveFont(const FontState& state, const std::string& fn) { WriteFileAtomically(fn, FontText(state)); }

}  // namespace ledfont
