#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "EditHistory.h"
#include "FontState.h"
#include "GlyphTransfer.h"
#include "LedCanvas.h"
#include "LedGrid.h"
#include "RecoveryJournal.h"
#include "SavedFont.h"
#include "WidgetGlyphControls.h"

class QLabel;

namespace ledfont {

class CommandButton;
class DirListBox;
class DriveListBox;
class FileListBox;
class Frame;
class OptionButton;
class PictureBox;

// The program's one window. It owns the font state and the glyph editor for
// the whole run; its handlers call the named operations of the editor and
// the font files. The start-up runs in the constructor, before it is shown.
// Every control's object name is its name in the layout; the two code boxes
// of the txtJukta array are named "txtJukta0" and "txtJukta1".
class FrmFont : public QWidget {
public:
    static constexpr const char* kCaption = "Ostrel Font Designer 1.0 ~ Unicode Map Generator VELBRAN 2023";

    explicit FrmFont(QWidget* parent = nullptr);
    ~FrmFont() override;

    FontState& Font() { return font_; }
    const FontState& Font() const { return font_; }
    LedCanvas& Canvas() { return canvas_; }
    const LedCanvas& Canvas() const { return canvas_; }
    LedGrid& Grid() { return grid_; }
    GlyphTransfer& Transfer() { return transfer_; }

    // What the main window around the layout hears of the window's work.
    struct Listeners {
        std::function<void(const QString&)> status;        // what a command did
        std::function<void(int column, int row)> pointer;  // the cell under the pointer
        std::function<void()> changed;                     // unsaved changes, Save's state
    };
    void SetListeners(Listeners listeners) { listeners_ = std::move(listeners); }

    // The file commands, for the buttons and the menus. Each asks first when
    // changes would be lost or another file replaced, reports its failure in
    // its own error box, and returns whether it ran to its end.
    bool NewFont(FontMode mode);
    bool LoadFile();
    bool SaveFile();
    bool SaveFileAs();
    bool MakeHex();
    // Asks Save, Discard or Cancel when there are unsaved changes; true when
    // the window may close. The journal goes with a close.
    bool MayClose();

    // Unsaved changes: the mode's records or code pairs differ from the
    // bytes last loaded or saved, or the glyph was edited since it was shown.
    bool HasUnsavedChanges() const;
    bool CanSave() const;
    // The file the font was loaded from or last saved to; empty for a new font.
    const std::string& OwnFile() const { return ownFile_; }
    // Brings the journal and the listeners up to date (a timer does it twice a second).
    void WatchChanges();
    const RecoveryJournal& Journal() const { return journal_; }
    // A new font that an editor left unsaved when it stopped, offered back:
    // Restore makes it the font being edited, Discard deletes its journal.
    // The window asks once by itself, as soon as it is first painted.
    void OfferLeftNewFont();

    // What the panels around the layout show. The font as it stands with the
    // glyph in the editor (canvas and controls, as painted so far) in place
    // of its record, as a step would store it; its code pair only when both
    // boxes hold hexadecimal.
    FontState LiveFont() const;
    const SavedFont& Saved() const { return saved_; }
    bool FontLoaded() const { return fontLoaded_; }
    // Heard after every change of the font or the glyph in the editor, each
    // painted LED included: it must be cheap (schedule, do not redraw).
    void SetEditListener(std::function<void()> listener) { editListener_ = std::move(listener); }

    // The editing commands, for the Edit and Go menus. Each is one step of
    // the history; those that store the glyph report a failed store.
    EditHistory& History() { return history_; }
    void Undo();
    void Redo();
    void CopyGlyph();
    void CutGlyph();
    void PasteGlyph();
    void ClearGlyph();
    void ShiftGlyph(int dx, int dy);
    void FlipGlyph(bool horizontal);
    void InvertGlyph();
    void GoPrevious() { cmdShowDecClick(); }
    void GoNext() { cmdShowIncClick(); }
    void GoTo(int index);
    void GoToGlyph();  // asks which

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void CreateEditorArea();
    void CreateFileArea();
    template <class Widget, class... Args>
    Widget* Place(std::string_view name, Args&&... args);
    void SetTabOrder();
    void WireHandlers();
    void FormLoad();

    // Notification handlers.
    void picMouseDown(int button, int shift, float x, float y);
    void picMouseMove(int button, int shift, float x, float y);
    void Drive1Change();
    void Dir1Change();
    void File1Click();
    void cmdShowDecClick();
    void cmdShowIncClick();
    void cmdNewClick();
    void cmdLoadClick();
    void cmdSaveClick();
    void cmdConvertToHexClick();
    void LoadChosenFont(const std::string& file);
    void ShowFirstGlyph();

    void EditGlyph(const std::function<RecordBytes(const RecordBytes&)>& edit);
    void KeepKeysOfFocusedControls();

    // Safe keeping of the user's work.
    void StoreEditedGlyph();
    bool SaveTo(const std::string& file);
    void WriteVerifiedHex(const std::string& fontFile);
    void TookFile(const std::string& file, bool saved);
    bool AskToKeepChanges(const QString& before);
    std::optional<std::string> ChooseTarget(const std::string& chosen, const char* extension);
    QString FontDescription() const;
    void ShowChosenFile();
    void OfferRecovery();
    void RestoreJournal(const JournalContent& content);
    bool HasWorkToKeep() const;
    JournalContent JournalNow() const;
    void Status(const QString& text);
    void Changed();
    void Edited() const {
        if (editListener_) editListener_();
    }

    FontState font_;
    LedCanvas canvas_;
    LedGrid grid_;
    // The glyph's own controls (optConst, cmbCols, shpCentre, lblLoc,
    // txtJukta...) live only here: the editor reads and writes them through
    // glyphControls_, the window creates and wires them through glyph_.
    GlyphWidgets glyph_;
    WidgetGlyphControls glyphControls_;
    GlyphTransfer transfer_;
    EditHistory history_{font_, transfer_};
    int stroke_ = 0;           // press to release of a mouse button paints one stroke
    bool fontLoaded_ = false;  // a Load's file step has succeeded, or New made a font

    SavedFont saved_;            // the font as last loaded or saved
    std::string ownFile_;        // where it was loaded from or saved to
    bool ownFileSaved_ = false;  // last saved there rather than loaded
    std::uint64_t ownChecksum_ = 0;
    RecoveryJournal journal_;
    QTimer watch_;
    bool journalFailed_ = false;  // said once in the status bar
    bool painted_ = false;        // the left new font is offered after the first paint
    Listeners listeners_;
    std::function<void()> editListener_;

    Frame* Frame1 = nullptr;
    Frame* Frame2 = nullptr;
    Frame* Frame3 = nullptr;
    Frame* FrameJ = nullptr;
    PictureBox* pic = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblFile = nullptr;
    OptionButton* optHindi = nullptr;
    OptionButton* optJukta = nullptr;
    CommandButton* cmdShowDec = nullptr;
    CommandButton* cmdShowInc = nullptr;
    CommandButton* cmdNew = nullptr;
    CommandButton* cmdSave = nullptr;
    CommandButton* cmdLoad = nullptr;
    CommandButton* cmdConvertToHex = nullptr;
    DriveListBox* Drive1 = nullptr;
    DirListBox* Dir1 = nullptr;
    FileListBox* File1 = nullptr;
};

}  // namespace ledfont
