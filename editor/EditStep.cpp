#include "EditStep.h"

#include "HexText.h"

namespace ledfont {
namespace {

// The glyph in the editor becomes index. The glyph left is unedited (every
// edit is a step of its own), so it is not stored.
void ShowGlyphOf(std::int16_t index, FontState& font, GlyphTransfer& transfer) {
    if (font.CurChar == index) return;
    font.CurChar = index;
    transfer.LoadCharacter(index);
}

void ShowRecord(const RecordBytes& record, GlyphTransfer& transfer) {
    EditorGlyph glyph = transfer.ReadEditorGlyph();
    glyph.record = record;
    transfer.ShowEditorGlyph(glyph);
}

void ShowCodes(const std::array<std::string, 2>& codes, GlyphTransfer& transfer) {
    EditorGlyph glyph = transfer.ReadEditorGlyph();
    glyph.codes = codes;
    transfer.ShowEditorGlyph(glyph);
}

void PutRow(FontState& font, int index, const RecordBytes& record, const std::array<Byte, 2>& codes) {
    for (int k = 0; k < kRecordBytes; ++k) font.FontBytes(index, k) = record[static_cast<std::size_t>(k)];
    if (font.IsJukta)
        for (int j = 0; j < 2; ++j) font.JuktaCodes(index, j) = codes[static_cast<std::size_t>(j)];
}

}  // namespace

void GlyphEditStep::Apply(FontState& font, GlyphTransfer& transfer) const {
    ShowGlyphOf(index, font, transfer);
    ShowRecord(after, transfer);
}

void GlyphEditStep::Revert(FontState& font, GlyphTransfer& transfer) const {
    ShowGlyphOf(index, font, transfer);
    ShowRecord(before, transfer);
}

void CodeEditStep::Apply(FontState& font, GlyphTransfer& transfer) const {
    ShowGlyphOf(index, font, transfer);
    ShowCodes(after, transfer);
}

void CodeEditStep::Revert(FontState& font, GlyphTransfer& transfer) const {
    ShowGlyphOf(index, font, transfer);
    ShowCodes(before, transfer);
}

RecordBytes StoreStep::RecordOf(const FontState& font, int index) {
    RecordBytes record{};
    for (int k = 0; k < kRecordBytes; ++k) record[static_cast<std::size_t>(k)] = font.FontBytes(index, k);
    return record;
}

std::array<Byte, 2> StoreStep::CodesOf(const FontState& font, int index) {
    return {font.JuktaCodes(index, 0), font.JuktaCodes(index, 1)};
}

void StoreStep::Apply(FontState& font, GlyphTransfer& transfer) const {
    PutRow(font, from, recordAfter, codesAfter);
    font.CurChar = to;
    transfer.LoadCharacter(to);
}

// Back to the glyph as the editor held it before the store: the record as it
// was, and on the canvas what the store wrote.
void StoreStep::Revert(FontState& font, GlyphTransfer& transfer) const {
    PutRow(font, from, recordBefore, codesBefore);
    font.CurChar = from;
    transfer.LoadCharacter(from);
    if (!ChangedTable()) return;
    EditorGlyph glyph = transfer.ReadEditorGlyph();
    glyph.record = recordAfter;
    if (font.IsJukta) glyph.codes = {HexCh(codesAfter[0]), HexCh(codesAfter[1])};
    transfer.ShowEditorGlyph(glyph);
}

}  // namespace ledfont
