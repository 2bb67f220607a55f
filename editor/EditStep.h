#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "EditorGlyph.h"
#include "FontState.h"
#include "GlyphTransfer.h"

namespace ledfont {

// The steps of the editing history. Each knows what it changed and can do it
// again (Apply) and take it back (Revert), on the font and the editor as they
// stand right after it (Revert) or right before it (Apply). A step that
// changes a glyph first shows that glyph, so undoing shows what it undoes.

// The glyph in the editor changed: a stroke, a list, the class, a paste, a
// clear, a shift, a flip, an invert. Only its record bytes; no table change.
struct GlyphEditStep {
    std::int16_t index = 0;
    std::uint16_t stroke = 0;  // paint steps of one stroke share it and merge
    RecordBytes before{};
    RecordBytes after{};

    void Apply(FontState& font, GlyphTransfer& transfer) const;
    void Revert(FontState& font, GlyphTransfer& transfer) const;
};

// A code box of the glyph in the editor was edited.
struct CodeEditStep {
    std::int16_t index = 0;
    std::array<std::string, 2> before;
    std::array<std::string, 2> after;

    void Apply(FontState& font, GlyphTransfer& transfer) const;
    void Revert(FontState& font, GlyphTransfer& transfer) const;
};

// A store into the table (by a step, a go-to or Save) and the move to the
// glyph shown after it.
struct StoreStep {
    std::int16_t from = 0;
    std::int16_t to = 0;
    RecordBytes recordBefore{};
    RecordBytes recordAfter{};
    std::array<Byte, 2> codesBefore{};
    std::array<Byte, 2> codesAfter{};

    // The stored glyph's row as it stands, for before and after.
    static RecordBytes RecordOf(const FontState& font, int index);
    static std::array<Byte, 2> CodesOf(const FontState& font, int index);
    bool ChangedTable() const { return recordBefore != recordAfter || codesBefore != codesAfter; }

    void Apply(FontState& font, GlyphTransfer& transfer) const;
    void Revert(FontState& font, GlyphTransfer& transfer) const;
};

}  // namespace ledfont
