// The window's commands: stepping between glyphs, Load, Save and Make HEX File.
// Each reports its own failure in an error box and leaves the font table and
// the window ready for the next command.
#include <exception>

#include "CommandButton.h"
#include "Error.h"
#include "FileListBox.h"
#include "FontFile.h"
#include "Frame.h"
#include "FrmFont.h"
#include "HexExport.h"
#include "OptionButton.h"
#include "UserEvent.h"

namespace ledfont {

namespace {
QString Title(const char* text) { return QString::fromUtf8(text); }
}  // namespace

// A failed store (a code field that is not hexadecimal) keeps the glyph on
// the canvas and CurChar where they are, so the user can correct the field.
void FrmFont::cmdShowDecClick() {
    RunReported(this, Title("Error Storing Character"), [this] { transfer_.ShowDecClick(); });
}

void FrmFont::cmdShowIncClick() {
    RunReported(this, Title("Error Storing Character"), [this] { transfer_.ShowIncClick(); });
}

void FrmFont::cmdLoadClick() {
    if (font_.FontFile.empty()) return;
    RunReported(this, Title("Error Loading File"), [this] { LoadChosenFont(); });
}

// The mode changes only once the file step succeeded: a failed load leaves
// the table, IsJukta, the code frame and the canvas as they were.
void FrmFont::LoadChosenFont() {
    const bool jukta = optJukta->Value();
    if (jukta) {
        LoadFontJukta(font_, font_.FontFile);
    } else {
        LoadFont(font_, font_.FontFile);
    }
    font_.IsJukta = jukta;
    fontLoaded_ = true;
    FrameJ->setVisible(jukta);
    ShowFirstGlyph();
}

// Glyph 0 of the new font. Should showing it fail, the editor still moves to
// glyph 0 and takes what it shows as unedited, so stepping away cannot store a
// half-drawn canvas, and the new font can be saved.
void FrmFont::ShowFirstGlyph() {
    std::exception_ptr failure;
    try {
        transfer_.LoadCharacter(0);
    } catch (...) {
        failure = std::current_exception();
        transfer_.RememberShownGlyph();
    }
    font_.CurChar = 0;
    cmdSave->setEnabled(true);
    if (failure) std::rethrow_exception(failure);
}

// Save writes the table as it stands; the glyph on the canvas reaches it only
// by stepping with "<<" or ">>".
void FrmFont::cmdSaveClick() {
    if (font_.FontFile.empty()) return;
    RunReported(this, Title("Error Saving File"), [this] { SaveFont(font_, font_.FontFile); });
}

// Until a Load has filled the table there is no font to export: an all-zero
// image would silently replace the chosen font's HEX file.
void FrmFont::cmdConvertToHexClick() {
    if (font_.FontFile.empty()) return;
    const bool made = RunReported(this, Title("Error Making HEX File"), [this] {
        if (!fontLoaded_) throw InvalidCallError("No font is loaded: press Load first");
        MakeHexFile(font_);
    });
    if (made) File1->Refresh();  // the new HEX file shows up beside the font
}

}  // namespace ledfont
