#pragma once

#include "EditorGlyph.h"

namespace ledfont {

// The edits of a whole glyph, on its record bytes 0..33: they change the
// bitmap and keep the column count, class and centre. LEDs pushed off the
// grid are lost. Flips and Invert work within the column count (bytes 0, 1..16;
// a count outside that is taken as the nearest).
RecordBytes ClearedGlyph(const RecordBytes& record);
RecordBytes ShiftedGlyph(const RecordBytes& record, int dx, int dy);  // one LED per unit
RecordBytes FlippedGlyph(const RecordBytes& record, bool horizontal);
RecordBytes InvertedGlyph(const RecordBytes& record);

// Cell (x, y) of a record: bit y mod 8 of byte 2 + 2x + y div 8, 0 = lit.
bool IsLitIn(const RecordBytes& record, int x, int y);
void SetLitIn(RecordBytes& record, int x, int y, bool lit);

}  // namespace ledfont
