#include "EditHistory.h"

#include <exception>

namespace ledfont {
namespace {

// A step on the stack. Pushed after the change was made, so the first redo
// (the push's own) does nothing.
template <class Step>
class UndoCommand : public QUndoCommand {
public:
    UndoCommand(EditHistory& history, Step step) : history_(history), step_(std::move(step)) {}

    void undo() override { history_.Replay(step_, false); }
    void redo() override {
        if (done_) history_.Replay(step_, true);
        done_ = true;
    }
    int id() const override {
        if constexpr (std::is_same_v<Step, GlyphEditStep>) return step_.stroke ? 1 : -1;
        return -1;
    }
    bool mergeWith(const QUndoCommand* other) override {
        if constexpr (std::is_same_v<Step, GlyphEditStep>) {
            const auto& next = static_cast<const UndoCommand&>(*other).step_;
            if (next.stroke != step_.stroke || next.index != step_.index) return false;
            step_.after = next.after;
            return true;
        }
        return false;
    }

private:
    EditHistory& history_;
    Step step_;
    bool done_ = false;
};

template <class Step>
void Push(QUndoStack& stack, EditHistory& history, Step step) {
    stack.push(new UndoCommand<Step>(history, std::move(step)));
}

}  // namespace

void EditHistory::Clear() {
    stack_.clear();
    known_ = transfer_.ReadEditorGlyph();
}

void EditHistory::Record(int stroke) {
    if (IsQuiet()) return;
    const EditorGlyph now = transfer_.ReadEditorGlyph();
    if (now == known_) return;
    if (now.index == known_.index) {
        if (now.codes != known_.codes) Push(stack_, *this, CodeEditStep{now.index, known_.codes, now.codes});
        if (now.record != known_.record)
            Push(stack_, *this,
                 GlyphEditStep{now.index, static_cast<std::uint16_t>(stroke < 0 ? 0 : 1 + stroke % 65535),
                               known_.record, now.record});
    }
    known_ = now;
}

void EditHistory::Store(const std::function<void()>& store) {
    Record();
    StoreStep step;
    step.from = font_.CurChar;
    step.recordBefore = StoreStep::RecordOf(font_, step.from);
    step.codesBefore = StoreStep::CodesOf(font_, step.from);
    std::exception_ptr failure;
    try {
        Quietly(store);
    } catch (...) {
        failure = std::current_exception();
    }
    step.to = font_.CurChar;
    step.recordAfter = StoreStep::RecordOf(font_, step.from);
    step.codesAfter = StoreStep::CodesOf(font_, step.from);
    if (step.ChangedTable()) Push(stack_, *this, step);
    known_ = transfer_.ReadEditorGlyph();
    if (failure) std::rethrow_exception(failure);
}

void EditHistory::Undo() {
    Record();
    stack_.undo();
}

void EditHistory::Redo() {
    Record();
    stack_.redo();
}

void EditHistory::Quietly(const std::function<void()>& run) {
    ++quiet_;
    try {
        run();
    } catch (...) {
        --quiet_;
        throw;
    }
    --quiet_;
}

}  // namespace ledfont
