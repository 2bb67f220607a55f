// The editing commands of the Edit and Go menus: undo and redo, the glyph
// through the clipboard, clear, shift, flip, invert, and going to a glyph.
// Every change goes through the history, one step each.
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "ComboBox.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FrmFont.h"
#include "GlyphAddress.h"
#include "GlyphClipboard.h"
#include "GlyphEdits.h"
#include "HexText.h"
#include "Question.h"
#include "TextToByte.h"
#include "UserEvent.h"

namespace ledfont {

namespace {

// Keeps the keys a focused list, combo box or code box uses for itself from
// the window's shortcuts: moving in a list (arrows, pages, Home, End), and
// what a text field does with Delete, Backspace, undo and the clipboard.
class KeyKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && Keeps(*static_cast<QKeyEvent*>(event)))
            event->accept();
        return QObject::eventFilter(watched, event);
    }

private:
    static bool Keeps(const QKeyEvent& key) {
        switch (key.key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_Delete:
            case Qt::Key_Backspace:
                return true;
            default:
                break;
        }
        for (const auto standard : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut,
                                    QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll})
            if (key.matches(standard)) return true;
        return key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    }
};

}  // namespace

void FrmFont::KeepKeysOfFocusedControls() {
    auto* keeper = new KeyKeeper(this);
    std::vector<QWidget*> keepers{glyph_.cmbCols,
                                  glyph_.cmbCentre,
                                  glyph_.cmbCols->lineEdit(),
                                  glyph_.cmbCentre->lineEdit(),
                                  glyph_.txtJukta[0],
                                  glyph_.txtJukta[1],
                                  Drive1,
                                  Dir1,
                                  File1};
    for (QWidget* widget : keepers) widget->installEventFilter(keeper);
}

void FrmFont::Undo() {
    history_.Undo();
    Changed();
}

void FrmFont::Redo() {
    history_.Redo();
    Changed();
}

// The glyph in the editor, changed by edit, as one step.
void FrmFont::EditGlyph(const std::function<RecordBytes(const RecordBytes&)>& edit) {
    history_.Record();
    EditorGlyph glyph = transfer_.ReadEditorGlyph();
    glyph.record = edit(glyph.record);
    history_.Quietly([&] { transfer_.ShowEditorGlyph(glyph); });
    history_.Record();
    Changed();
}

void FrmFont::ClearGlyph() { EditGlyph(ClearedGlyph); }

void FrmFont::ShiftGlyph(int dx, int dy) {
    EditGlyph([dx, dy](const RecordBytes& record) { return ShiftedGlyph(record, dx, dy); });
}

void FrmFont::FlipGlyph(bool horizontal) {
    EditGlyph([horizontal](const RecordBytes& record) { return FlippedGlyph(record, horizontal); });
}

void FrmFont::InvertGlyph() { EditGlyph(InvertedGlyph); }

// The glyph as the editor holds it; a Jukta glyph's code pair only when both
// boxes hold hexadecimal bytes.
void FrmFont::CopyGlyph() {
    const EditorGlyph glyph = transfer_.ReadEditorGlyph();
    ClipboardGlyph copied{glyph.record, std::nullopt};
    if (font_.IsJukta) {
        try {
            copied.codes =
                std::array<Byte, 2>{TextToByte("&H" + glyph.codes[0]), TextToByte("&H" + glyph.codes[1])};
        } catch (const Error&) {
        }
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(GlyphClipboardText(copied)));
    Status(QStringLiteral("Copied glyph %1")
               .arg(QString::fromStdString(GlyphCodeText(font_.Mode(), font_.CurChar))));
}

void FrmFont::CutGlyph() {
    CopyGlyph();
    ClearGlyph();
}

// Replaces the glyph in the editor and its settings; the code pair comes
// along only from a Jukta glyph into a Jukta font. One step, code pair and all.
void FrmFont::PasteGlyph() {
    const auto pasted = ParseGlyphClipboardText(QGuiApplication::clipboard()->text().toStdString());
    if (!pasted) return;
    history_.Record();
    EditorGlyph glyph = transfer_.ReadEditorGlyph();
    const EditorGlyph before = glyph;
    glyph.record = pasted->record;
    if (pasted->codes && font_.IsJukta)
        glyph.codes = {HexCh((*pasted->codes)[0]), HexCh((*pasted->codes)[1])};
    if (glyph == before) return;
    history_.Stack().beginMacro(QStringLiteral("Paste"));
    history_.Quietly([&] { transfer_.ShowEditorGlyph(glyph); });
    history_.Record();
    history_.Stack().endMacro();
    Changed();
}

void FrmFont::GoTo(int index) {
    RunReported(this, QStringLiteral("Error Storing Character"), [this, index] {
        history_.Store([this, index] { transfer_.GoToClick(static_cast<std::int16_t>(index)); });
    });
    Changed();
}

void FrmFont::GoToGlyph() {
    const QString label = font_.IsJukta
                              ? QStringLiteral("Glyph: an index (1F) or the conjunct itself (क्ष)")
                              : QStringLiteral("Glyph: a code (0915), an index (15) or the character (क)");
    const QString text = AskText(this, QStringLiteral("Go to Glyph"), label);
    if (text.isEmpty()) return;
    std::int16_t index = 0;
    if (RunReported(this, QStringLiteral("Go to Glyph"),
                    [&] { index = GlyphOfAddress(text.toStdString(), font_); }))
        GoTo(index);
}

}  // namespace ledfont
