#pragma once

#include <QUndoStack>
#include <functional>

#include "EditStep.h"
#include "EditorGlyph.h"
#include "FontState.h"
#include "GlyphTransfer.h"

namespace ledfont {

// The editing history of the window: a QUndoStack of the editor's steps.
// Edits are recorded by what they changed: Record compares the glyph in the
// editor with what it held at the last record and pushes the difference (a
// glyph edit, a code edit). Stores go through Store, which records the rows
// they wrote and the move. While the history replays a step, or the window
// shows a glyph, nothing is recorded (Quietly).
class EditHistory {
public:
    EditHistory(FontState& font, GlyphTransfer& transfer) : font_(font), transfer_(transfer) {}

    QUndoStack& Stack() { return stack_; }

    // A new history (Load, New): what the editor holds now is where it starts.
    void Clear();
    // Records what the editor changed since the last record. Paint steps of
    // one stroke (the same stroke number) merge into one step.
    void Record(int stroke = -1);
    // Runs a store (a step with "<<" or ">>", a go-to, the store before a
    // Save) and records what it wrote into the table and where it moved, even
    // when it fails halfway (a code box that is not hexadecimal).
    void Store(const std::function<void()>& store);
    void Undo();
    void Redo();

    void Quietly(const std::function<void()>& run);
    bool IsQuiet() const { return quiet_ > 0; }

    // Runs a step's Apply or Revert for the stack's commands.
    template <class Step>
    void Replay(const Step& step, bool apply) {
        Quietly([&] { apply ? step.Apply(font_, transfer_) : step.Revert(font_, transfer_); });
        known_ = transfer_.ReadEditorGlyph();
    }

private:
    FontState& font_;
    GlyphTransfer& transfer_;
    QUndoStack stack_;
    EditorGlyph known_;  // the editor at the last record
    int quiet_ = 0;
};

}  // namespace ledfont
