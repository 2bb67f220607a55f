#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "EditorGlyph.h"
#include "FontState.h"
#include "GlyphControls.h"
#include "LedGrid.h"

namespace ledfont {

// Moves one glyph between the font table and the editor (canvas and
// controls), and steps between glyphs with "<<" and ">>".
//
// A record is stored only when the editor holds something else than what it
// showed: stepping over a glyph the user did not touch never rewrites it, so a
// record the controls cannot show (a column count of 0 before any load, a
// class of 3) keeps its bytes.
class GlyphTransfer {
public:
    GlyphTransfer(FontState& font, LedGrid& grid, GlyphControls& controls)
        : font_(font), grid_(grid), controls_(controls) {}

    // Shows record index on the canvas and in the controls. Does not change
    // CurChar or MapBytes. A column count the list cannot show (outside 2..16)
    // leaves the list without a selection and draws the line at 10 x count.
    void LoadCharacter(std::int16_t index);
    // Stores the canvas and the controls into record index (and, in a Jukta
    // font, its code pair). Throws TypeMismatchError for a code field that is
    // not hexadecimal, after the record bytes (and a good first code) were stored.
    void SaveCharacter(std::int16_t index);

    void ColsClick();     // Click of cmbCols: grid again and the green line
    void CentreClick();   // Click of cmbCentre: places shpCentre
    void ShowDecClick();  // "<<"
    void ShowIncClick();  // ">>"
    // Stores the glyph as a step does and shows glyph index (kept within the mode).
    void GoToClick(std::int16_t index);

    // Takes what the editor shows now as the unedited state of glyph CurChar
    // (the window calls it after start-up, when the blank canvas stands for glyph 0).
    void RememberShownGlyph();

    // What the editor holds of glyph CurChar now: what SaveCharacter would store.
    EditorGlyph ReadEditorGlyph() const;
    // Puts a glyph's record bytes (and, in a Jukta font, its code texts) on
    // the canvas and into the controls, as LoadCharacter shows a record, but
    // leaves the label, CurChar and the state the glyph was shown in alone.
    void ShowEditorGlyph(const EditorGlyph& glyph);
    // Whether the canvas or a control was edited since the glyph was shown
    // (or last stored).
    bool IsEdited() const;

private:
    EditorGlyph ReadEditor(std::int16_t index, const ByteArray<51>& map) const;
    void ShowRecord(const RecordBytes& record);
    void ShowBitmap(const RecordBytes& record);
    void ShowColumnCount(int n);
    void ShowCodes(std::int16_t index);
    void StoreCodes(std::int16_t index);

    FontState& font_;
    LedGrid& grid_;
    GlyphControls& controls_;
    std::optional<EditorGlyph> shown_;  // the editor right after it showed a glyph
};

}  // namespace ledfont
