// What keeps the user's work: the questions before something is lost or
// replaced, and the recovery journal with the offer to restore from it.
#include <QFile>
#include <QFileInfo>

#include "Error.h"
#include "FrmFont.h"
#include "HexExport.h"
#include "HexText.h"
#include "Question.h"
#include "TextToByte.h"
#include "UserEvent.h"

namespace ledfont {

namespace {
QString ToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// Two files by their names, or by their whole paths when the names alone
// would read alike.
std::pair<QString, QString> Names(const std::string& a, const std::string& b) {
    const QString nameA = QFileInfo(ToQString(a)).fileName(), nameB = QFileInfo(ToQString(b)).fileName();
    if (nameA != nameB) return {nameA, nameB};
    return {ToQString(a), ToQString(b)};
}

bool SameFile(const std::string& a, const std::string& b) { return JournalFontPath(a) == JournalFontPath(b); }

QString GlyphList(FontMode mode, const JournalContent& content) {
    QStringList codes;
    for (const auto& [index, record] : content.records)
        codes << QString::fromStdString(GlyphCodeText(mode, index));
    for (const auto& [index, pair] : content.codes)
        if (!codes.contains(QString::fromStdString(GlyphCodeText(mode, index))))
            codes << QString::fromStdString(GlyphCodeText(mode, index));
    if (codes.size() > 6) {
        const auto more = codes.size() - 5;
        codes = codes.mid(0, 5);
        codes << QStringLiteral("%1 more").arg(more);
    }
    return codes.join(QStringLiteral(", "));
}
}  // namespace

bool FrmFont::HasUnsavedChanges() const {
    return fontLoaded_ && HasWorkToKeep();
}

// What a crash would lose: the unsaved changes, and what was drawn on the
// font the window starts with before anything was loaded.
bool FrmFont::HasWorkToKeep() const { return saved_.Differs(font_) || transfer_.IsEdited(); }

// "the Hindi font loaded from font.txt", "the new Jukta font"
QString FrmFont::FontDescription() const {
    const QString mode = QString::fromUtf8(ModeName(font_.Mode()));
    if (ownFile_.empty()) return QStringLiteral("the new %1 font").arg(mode);
    return QStringLiteral("the %1 font %2 %3")
        .arg(mode, ownFileSaved_ ? QStringLiteral("saved to") : QStringLiteral("loaded from"),
             QFileInfo(ToQString(ownFile_)).fileName());
}

bool FrmFont::AskToKeepChanges(const QString& before) {
    if (!HasUnsavedChanges()) return true;
    QString text = FontDescription();
    text[0] = text[0].toUpper();
    text += QStringLiteral(" has unsaved changes. Save them %1?").arg(before);
    switch (Ask(this, QStringLiteral("Unsaved Changes"), text,
                {QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")})) {
        case Answer::Save:
            return ownFile_.empty() ? SaveFileAs() : SaveTo(ownFile_);
        case Answer::Discard:
            journal_.Remove();
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool FrmFont::MayClose() {
    if (!AskToKeepChanges(QStringLiteral("before closing"))) return false;
    journal_.Remove();
    return true;
}

// The font file to write (or to name the HEX file after): its own file, or
// the file chosen in the list since, once the user said so. Nothing when the
// user cancelled. extension: "hex" when the question is about HEX files.
std::optional<std::string> FrmFont::ChooseTarget(const std::string& chosen, const char* extension) {
    if (chosen.empty() || SameFile(chosen, ownFile_)) return ownFile_;
    const bool hex = extension != nullptr;
    const auto [other, own] =
        hex ? Names(HexOutputName(chosen), HexOutputName(ownFile_)) : Names(chosen, ownFile_);
    const QString text = QStringLiteral("Replace %1 with %2?").arg(other, FontDescription());
    const QuestionButtons buttons{
        QStringLiteral("Replace %1").arg(other),
        hex ? QStringLiteral("Write %1").arg(own) : QStringLiteral("Save to %1").arg(own),
        QStringLiteral("Cancel")};
    switch (Ask(this, hex ? QStringLiteral("Make HEX File") : QStringLiteral("Save"), text, buttons)) {
        case Answer::Save:
            return chosen;
        case Answer::Discard:
            return ownFile_;
        case Answer::Cancel:
            break;
    }
    return std::nullopt;
}

// After a crash or a kill, the journal it left offers the changes back, as
// long as the file is still what they were made on.
void FrmFont::OfferRecovery() {
    const auto left = FindLeftJournal(journal_.Folder(), ownFile_, font_.Mode(), ownChecksum_);
    if (!left) return;
    const QString text =
        QStringLiteral("The editor stopped before its changes to %1 were saved (glyphs %2). Restore them?")
            .arg(QFileInfo(ToQString(ownFile_)).fileName(), GlyphList(font_.Mode(), left->content));
    const Answer answer = Ask(this, QStringLiteral("Restore Unsaved Changes"), text,
                              {QStringLiteral("Restore"), QStringLiteral("Discard"), QString()});
    if (answer == Answer::Save) {
        RestoreJournal(left->content);
        Status(QStringLiteral("Restored the unsaved changes to %1").arg(ToQString(ownFile_)));
    }
    if (answer != Answer::Cancel) DiscardLeftJournal(left->path);
    WatchChanges();  // the restored changes are in this editor's journal at once
}

// The newest one only: the others wait for the next start.
void FrmFont::OfferLeftNewFont() {
    const auto left = FindLeftNewFontJournal(journal_.Folder());
    if (!left) return;
    const FontMode mode = left->content.mode;
    const QString text =
        QStringLiteral("The editor stopped before a new %1 font was saved (glyphs %2). Restore it?")
            .arg(QString::fromUtf8(ModeName(mode)), GlyphList(mode, left->content));
    const Answer answer = Ask(this, QStringLiteral("Restore Unsaved Changes"), text,
                              {QStringLiteral("Restore"), QStringLiteral("Discard"), QString()});
    // Unanswered, or a Cancel of the question about this editor's own
    // changes: the journal stays for the next start.
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Save) {
        if (!NewFont(mode)) return;
        RestoreJournal(left->content);
        Status(QStringLiteral("Restored the unsaved new %1 font").arg(QString::fromUtf8(ModeName(mode))));
    }
    DiscardLeftJournal(left->path);
    WatchChanges();
}

void FrmFont::RestoreJournal(const JournalContent& content) {
    RunReported(this, QStringLiteral("Error Restoring Changes"), [this, &content] {
        ApplyJournal(content, font_);
        history_.Quietly([this] { transfer_.LoadCharacter(font_.CurChar); });
        history_.Clear();
    });
}

// Queued, so the question never holds up the window's first picture.
void FrmFont::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] { OfferLeftNewFont(); });
}

// The changed records, and the glyph on the canvas as it would be stored
// (its code pair only when both fields are hexadecimal).
JournalContent FrmFont::JournalNow() const {
    const std::string fontFile = ownFile_.empty() ? std::string() : JournalFontPath(ownFile_);
    JournalContent content{fontFile, ownChecksum_, font_.Mode(), font_.CurChar, {}, {}};
    const EditorGlyph edited = transfer_.ReadEditorGlyph();
    const bool canvasEdited = transfer_.IsEdited();
    for (const int c : saved_.ChangedRecords(font_)) {
        if (canvasEdited && c == font_.CurChar) continue;
        RecordBytes record{};
        for (int k = 0; k < kRecordBytes; ++k) record[static_cast<std::size_t>(k)] = font_.FontBytes(c, k);
        content.records.emplace_back(c, record);
    }
    if (canvasEdited) content.records.emplace_back(font_.CurChar, edited.record);
    std::optional<std::array<Byte, 2>> editedCodes;
    if (canvasEdited && font_.IsJukta) {
        try {
            editedCodes = {TextToByte("&H" + edited.codes[0]), TextToByte("&H" + edited.codes[1])};
        } catch (const Error&) {
        }
    }
    for (const int c : saved_.ChangedCodes(font_))
        if (!(editedCodes && c == font_.CurChar))
            content.codes.emplace_back(c,
                                       std::array<Byte, 2>{font_.JuktaCodes(c, 0), font_.JuktaCodes(c, 1)});
    if (editedCodes) content.codes.emplace_back(font_.CurChar, *editedCodes);
    return content;
}

void FrmFont::WatchChanges() {
    try {
        if (HasWorkToKeep()) {
            journal_.Write(JournalNow());
        } else {
            journal_.Remove();
        }
        journalFailed_ = false;
    } catch (const Error& error) {
        if (!journalFailed_) Status(QString::fromStdString(error.Description()));
        journalFailed_ = true;
    }
    if (listeners_.changed) listeners_.changed();
}

void FrmFont::Status(const QString& text) {
    if (listeners_.status) listeners_.status(text);
}

void FrmFont::Changed() {
    if (listeners_.changed) listeners_.changed();
    Edited();
}

}  // namespace ledfont
