// The window's commands: stepping between glyphs, New, Load, Save, Save As
// and Make HEX File. Each reports its own failure in an error box and leaves
// the font table and the window ready for the next command.
#include <QFile>
#include <exception>

#include "BlankGlyph.h"
#include "CommandButton.h"
#include "Error.h"
#include "FileListBox.h"
#include "FontFile.h"
#include "Frame.h"
#include "FrmFont.h"
#include "HexExport.h"
#include "HexVerify.h"
#include "OptionButton.h"
#include "Question.h"
#include "ReadableFile.h"
#include "UserEvent.h"

namespace ledfont {

namespace {
QString Title(const char* text) { return QString::fromUtf8(text); }

QString ToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// A HEX file of a font is far smaller than this; anything larger is not ours.
constexpr std::size_t kHexReadLimit = 1 << 20;
}  // namespace

// A failed store (a code field that is not hexadecimal) keeps the glyph on
// the canvas and CurChar where they are, so the user can correct the field.
void FrmFont::cmdShowDecClick() {
    RunReported(this, Title("Error Storing Character"),
                [this] { history_.Store([this] { transfer_.ShowDecClick(); }); });
    Changed();
}

void FrmFont::cmdShowIncClick() {
    RunReported(this, Title("Error Storing Character"),
                [this] { history_.Store([this] { transfer_.ShowIncClick(); }); });
    Changed();
}

// "New" makes a font of the mode the options choose.
void FrmFont::cmdNewClick() { NewFont(optJukta->Value() ? FontMode::Jukta : FontMode::Hindi); }

// A blank font, as `ledfont new` writes one. It has no file until Save As
// gives it one, so the chosen file is forgotten: nothing can replace it by mistake.
bool FrmFont::NewFont(FontMode mode) {
    if (!AskToKeepChanges(QStringLiteral("before starting a new font"))) return false;
    MakeBlankFont(font_, mode);
    fontLoaded_ = true;
    TookFile({}, false);
    font_.FontFile.clear();
    ShowChosenFile();
    (mode == FontMode::Jukta ? optJukta : optHindi)->SetValue(true);
    FrameJ->setVisible(mode == FontMode::Jukta);
    RunReported(this, Title("Error"), [this] { ShowFirstGlyph(); });
    Status(QStringLiteral("New %1 font: %2 blank glyphs")
               .arg(QString::fromUtf8(ModeName(mode)))
               .arg(GlyphCount(mode)));
    Changed();
    return true;
}

void FrmFont::cmdLoadClick() { LoadFile(); }

// The file to load is the one chosen when Load was pressed, whatever saving
// the old font first did.
bool FrmFont::LoadFile() {
    if (font_.FontFile.empty()) return false;
    const std::string file = font_.FontFile;
    if (!AskToKeepChanges(QStringLiteral("before loading %1").arg(ToQString(file)))) return false;
    const bool loaded =
        RunReported(this, Title("Error Loading File"), [this, &file] { LoadChosenFont(file); });
    if (loaded) OfferRecovery();
    Changed();
    return loaded;
}

// The mode changes only once the file step succeeded: a failed load leaves
// the table, IsJukta, the code frame and the canvas as they were.
void FrmFont::LoadChosenFont(const std::string& file) {
    const bool jukta = optJukta->Value();
    if (jukta) {
        LoadFontJukta(font_, file);
    } else {
        LoadFont(font_, file);
    }
    font_.IsJukta = jukta;
    fontLoaded_ = true;
    journal_.Remove();  // what it kept belonged to the font just replaced
    TookFile(file, false);
    FrameJ->setVisible(jukta);
    ShowFirstGlyph();
}

// Glyph 0 of the new font, and a new history. Should showing it fail, the
// editor still moves to glyph 0 and takes what it shows as unedited, so
// stepping away cannot store a half-drawn canvas, and the new font can be saved.
void FrmFont::ShowFirstGlyph() {
    std::exception_ptr failure;
    try {
        history_.Quietly([this] { transfer_.LoadCharacter(0); });
    } catch (...) {
        failure = std::current_exception();
        transfer_.RememberShownGlyph();
    }
    font_.CurChar = 0;
    history_.Clear();
    cmdSave->setEnabled(true);
    if (failure) std::rethrow_exception(failure);
}

// The glyph on the canvas goes into the table before the table goes to a
// file, as a step stores it; a glyph nobody touched keeps its record as it is.
void FrmFont::StoreEditedGlyph() {
    if (transfer_.IsEdited()) history_.Store([this] { transfer_.SaveCharacter(font_.CurChar); });
}

void FrmFont::cmdSaveClick() { SaveFile(); }

bool FrmFont::SaveFile() {
    if (!CanSave()) return false;
    if (ownFile_.empty()) return SaveFileAs();
    const std::optional<std::string> target = ChooseTarget(font_.FontFile, nullptr);
    return target && SaveTo(*target);
}

bool FrmFont::SaveFileAs() {
    if (!CanSave()) return false;
    const std::string start = !ownFile_.empty() ? ownFile_ : font_.FontFile;
    const QString name =
        AskSaveFileName(this, Title("Save As"), start.empty() ? File1->Path() : ToQString(start));
    if (name.isEmpty()) return false;
    const std::string file = QFile::encodeName(name).toStdString();
    if (!SaveTo(file)) return false;
    font_.FontFile = file;
    ShowChosenFile();
    File1->Refresh();
    return true;
}

// Writes the font into file, which becomes the font's own file.
bool FrmFont::SaveTo(const std::string& file) {
    const bool saved = RunReported(this, Title("Error Saving File"), [this, &file] {
        StoreEditedGlyph();
        SaveFont(font_, file);
    });
    if (saved) {
        TookFile(file, true);
        Status(QStringLiteral("Saved %1 lines to %2").arg(FileItemCount(font_.Mode())).arg(ToQString(file)));
    }
    Changed();
    return saved;
}

// The font now matches file: what is unsaved is told from here on, and the
// journal of what was unsaved goes.
void FrmFont::TookFile(const std::string& file, bool saved) {
    // "loaded from" it stays, until the font is saved to another file
    ownFileSaved_ = saved && (ownFileSaved_ || ownFile_ != file);
    ownFile_ = file;
    ownChecksum_ = file.empty() ? 0 : FileChecksum(file).value_or(0);
    saved_.Remember(font_);
    transfer_.RememberShownGlyph();
    journal_.Remove();
}

void FrmFont::cmdConvertToHexClick() { MakeHex(); }

// Until a Load has filled the table there is no font to export: an all-zero
// image would silently replace the chosen font's HEX file.
bool FrmFont::MakeHex() {
    if (font_.FontFile.empty() && ownFile_.empty() && !fontLoaded_) return false;
    std::optional<std::string> fontFile;
    bool made = RunReported(this, Title("Error Making HEX File"), [this, &fontFile] {
        if (!fontLoaded_) throw MakeError<InvalidCallError>("no font is loaded: press Load first");
        if (ownFile_.empty())
            throw MakeError<InvalidCallError>(
                "the new font has no file yet: save it first, and its HEX file goes beside it");
        fontFile = ChooseTarget(font_.FontFile, "hex");
        if (fontFile) WriteVerifiedHex(*fontFile);
    });
    made = made && fontFile;
    if (made) File1->Refresh();  // the new HEX file shows up beside the font
    Changed();
    return made;
}

// The HEX file is read back and checked against the font before the status
// bar says it was written.
void FrmFont::WriteVerifiedHex(const std::string& fontFile) {
    StoreEditedGlyph();
    const std::string name = HexOutputName(fontFile);
    WriteHexFile(font_, name);
    const std::string text = ReadWholeFile(name, kHexReadLimit);
    if (const auto problem = VerifyHexImage(text, font_, font_.Mode()))
        throw MakeError<PathFileAccessError>("\"" + name + "\" does not read back as the font: line " +
                                             std::to_string(problem->line) + ": " + problem->text);
    const auto records = std::count(text.begin(), text.end(), '\n');
    Status(QStringLiteral("Wrote %1: %2 records, verified").arg(ToQString(name)).arg(records));
}

bool FrmFont::CanSave() const { return cmdSave->isEnabled(); }

}  // namespace ledfont
