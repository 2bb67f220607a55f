#include "GlyphTransfer.h"

#include <algorithm>

#include "GlyphEdits.h"
#include "GlyphRecord.h"
#include "HexText.h"
#include "TextToByte.h"

namespace ledfont {
namespace {

constexpr int kFirstColumnItem = kFewestColumns;  // cmbCols item i is i + 3
constexpr int kLastColumnItem = kColumnItems - 1;
constexpr int kFirstCentreItem = kFirstCentre;  // cmbCentre item i is i + 1

std::string LocCaption(std::int16_t index, bool isJukta) {
    return "Code: " + GlyphCodeText(ModeOf(isJukta), index);
}

int SelectedClass(const GlyphControls& controls) {
    for (const GlyphClass c : {GlyphClass::Ikaar, GlyphClass::Vowel})
        if (controls.IsClassSelected(c)) return static_cast<int>(c);
    return static_cast<int>(GlyphClass::Consonant);
}

}  // namespace

void GlyphTransfer::LoadCharacter(std::int16_t index) {
    RecordBytes record{};
    for (int k = 0; k < kRecordBytes; ++k) record[static_cast<std::size_t>(k)] = font_.FontBytes(index, k);
    ShowRecord(record);
    controls_.SetLocCaption(LocCaption(index, font_.IsJukta));
    if (font_.IsJukta) ShowCodes(index);
    ByteArray<51> map;
    grid_.GetMap(map);
    shown_ = ReadEditor(index, map);
}

// Bitmap, class option, column count and its line, centre and its marker, in
// the order LoadCharacter shows them.
void GlyphTransfer::ShowRecord(const RecordBytes& record) {
    const int n = record[0];
    const int glyphClass = record[1] / 16;
    ShowBitmap(record);
    if (IsShownClass(glyphClass)) controls_.SelectClass(static_cast<GlyphClass>(glyphClass));
    ShowColumnCount(n);
    controls_.SetCentreListIndex(record[1] % 16 - kFirstCentreItem);
    CentreClick();
}

// Cleared and drawn again, the canvas would end the same: only the cells
// whose state differs are painted, so a step through the glyphs, or an undo,
// redraws little. The grid and the green line follow with the column count.
void GlyphTransfer::ShowBitmap(const RecordBytes& record) {
    ByteArray<51> map;
    grid_.GetMap(map);
    for (int c = 0; c < kGridSide; ++c) {
        for (int r = 0; r < kGridSide; ++r) {
            const bool lit = IsLitIn(record, c, r);
            const bool shown = ((map(2 * c + r / 8) >> (r % 8)) & 1) == 0;
            if (lit == shown) continue;
            if (lit) {
                grid_.OnLED(c, r);
            } else {
                grid_.OffLED(c, r);
            }
        }
    }
}

void GlyphTransfer::ShowColumnCount(int n) {
    const int item = n - kFirstColumnItem;
    if (item >= -1 && item <= kLastColumnItem) {
        controls_.SetColsListIndex(item);
    } else {
        // The list cannot show this count: no selection, and the line where the count says.
        controls_.SetColsListIndex(-1);
        grid_.DrawGrid();
    }
    grid_.DrawColumnLine(n);
}

void GlyphTransfer::ShowCodes(std::int16_t index) {
    for (int slot = 0; slot < 2; ++slot) controls_.SetJuktaText(slot, HexCh(font_.JuktaCodes(index, slot)));
}

EditorGlyph GlyphTransfer::ReadEditorGlyph() const {
    ByteArray<51> map;
    grid_.GetMap(map);
    return ReadEditor(font_.CurChar, map);
}

void GlyphTransfer::ShowEditorGlyph(const EditorGlyph& glyph) {
    ShowRecord(glyph.record);
    if (font_.IsJukta)
        for (int slot = 0; slot < 2; ++slot)
            controls_.SetJuktaText(slot, glyph.codes[static_cast<std::size_t>(slot)]);
}

bool GlyphTransfer::IsEdited() const { return !shown_ || *shown_ != ReadEditorGlyph(); }

EditorGlyph GlyphTransfer::ReadEditor(std::int16_t index, const ByteArray<51>& map) const {
    EditorGlyph glyph;
    glyph.index = index;
    glyph.record[0] = static_cast<Byte>(controls_.ColsListIndex() + kFirstColumnItem);
    const int value = SelectedClass(controls_) * 16 + controls_.CentreListIndex() + kFirstCentreItem;
    glyph.record[1] = static_cast<Byte>(value);
    for (int i = 0; i < kBitmapBytes; ++i) glyph.record[static_cast<std::size_t>(2 + i)] = map(i);
    if (font_.IsJukta)
        for (int slot = 0; slot < 2; ++slot)
            glyph.codes[static_cast<std::size_t>(slot)] = controls_.JuktaText(slot);
    return glyph;
}

void GlyphTransfer::SaveCharacter(std::int16_t index) {
    grid_.GetMap(font_.MapBytes);
    if (shown_ && *shown_ == ReadEditor(index, font_.MapBytes)) return;  // nothing edited
    GlyphRecord record(font_.FontBytes, index);
    record.SetColumnCount(static_cast<Byte>(controls_.ColsListIndex() + kFirstColumnItem));
    record.SetClassAndCentre(SelectedClass(controls_), controls_.CentreListIndex() + kFirstCentreItem);
    for (int i = 0; i < kBitmapBytes; ++i) record.SetBitmapByte(i, font_.MapBytes(i));
    if (font_.IsJukta) StoreCodes(index);
    shown_ = ReadEditor(index, font_.MapBytes);  // the record now holds what the editor shows
}

void GlyphTransfer::StoreCodes(std::int16_t index) {
    for (int slot = 0; slot < 2; ++slot) {
        const std::string text = controls_.JuktaText(slot);
        try {
            font_.JuktaCodes(index, slot) = TextToByte("&H" + text);
        } catch (const TypeMismatchError&) {
            throw MakeError<TypeMismatchError>("code byte " + std::to_string(slot + 1) + " holds \"" + text +
                                               "\", not a hexadecimal number from 00 to FF");
        }
    }
}

void GlyphTransfer::ColsClick() {
    grid_.DrawGrid();
    grid_.DrawColumnLine(controls_.ColsListIndex() + kFirstColumnItem);
}

void GlyphTransfer::CentreClick() {
    const PicGeometry& pic = grid_.Pic();
    const double step = static_cast<double>(controls_.CentreListIndex()) * pic.Width / kGridSide;
    controls_.SetCentreMarkerLeft(static_cast<float>(pic.Left + step));
}

void GlyphTransfer::ShowDecClick() {
    SaveCharacter(font_.CurChar);
    if (font_.CurChar > 0) --font_.CurChar;
    LoadCharacter(font_.CurChar);
}

void GlyphTransfer::ShowIncClick() {
    SaveCharacter(font_.CurChar);
    if (font_.CurChar < LastGlyph(font_.Mode())) ++font_.CurChar;
    LoadCharacter(font_.CurChar);
}

void GlyphTransfer::GoToClick(std::int16_t index) {
    SaveCharacter(font_.CurChar);
    font_.CurChar = std::clamp<std::int16_t>(index, 0, static_cast<std::int16_t>(LastGlyph(font_.Mode())));
    LoadCharacter(font_.CurChar);
}

void GlyphTransfer::RememberShownGlyph() {
    ByteArray<51> map;
    grid_.GetMap(map);
    shown_ = ReadEditor(font_.CurChar, map);
}

}  // namespace ledfont
