#include "FrmFont.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <utility>
#include <vector>

#include "ComboBox.h"
#include "CommandButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "EditorStyle.h"
#include "FileListBox.h"
#include "FontIcon.h"
#include "Frame.h"
#include "FrmFontLayout.h"
#include "GlyphLimits.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "Shape.h"
#include "TextToByte.h"
#include "Twips.h"

namespace ledfont {

namespace {
QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "first", ..., "last" in decimal.
QStringList NumberTexts(int first, int last) {
    QStringList texts;
    for (int n = first; n <= last; ++n) texts.append(QString::number(n));
    return texts;
}

const QColor kCentreMarkerColour(0, 192, 192);

// The canvas's place as the layout gives it: the editor draws and places the
// marker with these numbers.
PicGeometry PicPlace() {
    const ControlPlace& place = PlaceOf("pic");
    return {static_cast<float>(place.left), static_cast<float>(place.width), static_cast<float>(place.height)};
}
}  // namespace

FrmFont::FrmFont(QWidget* parent)
    : QWidget(parent), grid_(canvas_, PicPlace()), glyphControls_(glyph_),
      transfer_(font_, grid_, glyphControls_) {
    setObjectName(ToQString(kWindowName));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(FontIcon());
    // The layout was made for a small dialog font; larger text would not fit its labels.
    QFont small = font();
    small.setPixelSize(kDialogFontPixels);
    setFont(small);
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    CreateControls();
    WireHandlers();
    // The picture box repaints on every change of the canvas; the panels hear of it too.
    canvas_.SetChangeListener([this, shown = QPointer<PictureBox>(pic)] {
        if (shown) shown->update();
        Edited();
    });
    FormLoad();
    // Every change reaches the journal within a second.
    watch_.setInterval(500);
    connect(&watch_, &QTimer::timeout, this, [this] { WatchChanges(); });
    watch_.start();
}

// The controls go first, while the editor they call into still exists: a
// code box that loses the focus as the window goes may still report.
FrmFont::~FrmFont() {
    delete Frame1;
    delete Frame3;
    delete cmdConvertToHex;
}

// Each control is made inside its container: made elsewhere and moved there,
// it would resolve its font, palette and style twice.
template <class Widget, class... Args>
Widget* FrmFont::Place(std::string_view name, Args&&... args) {
    const ControlPlace& place = PlaceOf(name);
    QWidget* container =
        place.container == kWindowName ? this : findChild<QWidget*>(ToQString(place.container));
    auto* widget = new Widget(std::forward<Args>(args)..., container);
    widget->setObjectName(ToQString(name));
    widget->setGeometry(TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
                        TwipsToPixels(place.height));
    return widget;
}

void FrmFont::CreateControls() {
    Frame1 = Place<Frame>("Frame1", QString());
    Frame3 = Place<Frame>("Frame3", QStringLiteral("Font File"));
    cmdConvertToHex = Place<CommandButton>("cmdConvertToHex", QStringLiteral("Make HEX File"));
    CreateEditorArea();
    CreateFileArea();
    SetTabOrder();
}

void FrmFont::CreateEditorArea() {
    Frame2 = Place<Frame>("Frame2", QString());
    glyph_.lblLoc = Place<QLabel>("lblLoc", QStringLiteral("Loc"));
    cmdShowDec = Place<CommandButton>("cmdShowDec", QStringLiteral("<<"));
    cmdShowInc = Place<CommandButton>("cmdShowInc", QStringLiteral(">>"));
    FrameJ = Place<Frame>("FrameJ", QStringLiteral("Jukta"));
    for (std::size_t i = 0; i < glyph_.txtJukta.size(); ++i) {
        glyph_.txtJukta[i] = Place<QLineEdit>(i == 0 ? "txtJukta0" : "txtJukta1");
        glyph_.txtJukta[i]->setMaxLength(2);
    }
    FrameJ->hide();
    Label1 = Place<QLabel>("Label1", QStringLiteral("No. of Cols."));
    glyph_.shpCentre = Place<Shape>("shpCentre", kCentreMarkerColour);
    glyph_.shpCentre->SetLeft(static_cast<float>(PlaceOf("shpCentre").left));
    pic = Place<PictureBox>("pic", canvas_);
    glyph_.cmbCols = Place<ComboBox>("cmbCols");
    Label2 = Place<QLabel>("Label2", QStringLiteral("Centre"));
    glyph_.cmbCentre = Place<ComboBox>("cmbCentre");
    glyph_.optConst = Place<OptionButton>("optConst", QStringLiteral("Consonant"));
    glyph_.optVowel = Place<OptionButton>("optVowel", QStringLiteral("Vowel"));
    glyph_.optIkaar = Place<OptionButton>("optIkaar", QStringLiteral("Ikaar"));
    glyph_.optConst->SetValue(true);
}

void FrmFont::CreateFileArea() {
    cmdNew = Place<CommandButton>("cmdNew", QStringLiteral("New"));
    Dir1 = Place<DirListBox>("Dir1");
    File1 = Place<FileListBox>("File1");
    optHindi = Place<OptionButton>("optHindi", QStringLiteral("Hindi"));
    cmdSave = Place<CommandButton>("cmdSave", QStringLiteral("Save"));
    cmdSave->setEnabled(false);  // until the first Load that succeeds
    optJukta = Place<OptionButton>("optJukta", QStringLiteral("Jukta"));
    cmdLoad = Place<CommandButton>("cmdLoad", QStringLiteral("Load"));
    Drive1 = Place<DriveListBox>("Drive1");
    lblFile = Place<QLabel>("lblFile", QStringLiteral("File :"));
    optHindi->SetValue(true);
}

// Keyboard order by the layout's Tab column; controls that never take the
// focus (labels, frames, the marker) have no place in it.
void FrmFont::SetTabOrder() {
    std::vector<ControlPlace> places(FrmFontLayout().begin(), FrmFontLayout().end());
    std::sort(places.begin(), places.end(), [](const auto& a, const auto& b) { return a.tab < b.tab; });
    QWidget* previous = nullptr;
    for (const ControlPlace& place : places) {
        auto* widget = findChild<QWidget*>(ToQString(place.name));
        if (place.tab < 0 || !widget || widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

void FrmFont::WireHandlers() {
    pic->SetMouseDownHandler([this](int b, int s, float x, float y) { picMouseDown(b, s, x, y); });
    pic->SetMouseMoveHandler([this](int b, int s, float x, float y) { picMouseMove(b, s, x, y); });
    glyph_.cmbCols->SetClickHandler([this] {
        transfer_.ColsClick();
        history_.Record();
    });
    glyph_.cmbCentre->SetClickHandler([this] {
        transfer_.CentreClick();
        history_.Record();
    });
    // The class options and the code boxes have no handler of their own; the
    // history hears of them: an option when it is clicked, a box when its
    // editing is finished (one step per box edited, not per key).
    for (OptionButton* option : {glyph_.optConst, glyph_.optVowel, glyph_.optIkaar})
        connect(option, &QAbstractButton::clicked, this, [this] {
            history_.Record();
            Edited();
        });
    for (QLineEdit* box : glyph_.txtJukta) {
        connect(box, &QLineEdit::editingFinished, this, [this] { history_.Record(); });
        connect(box, &QLineEdit::textEdited, this, [this] { Edited(); });
    }
    KeepKeysOfFocusedControls();
    cmdShowDec->SetClickHandler([this] { cmdShowDecClick(); });
    cmdShowInc->SetClickHandler([this] { cmdShowIncClick(); });
    Drive1->SetChangeHandler([this] { Drive1Change(); });
    Dir1->SetChangeHandler([this] { Dir1Change(); });
    File1->SetClickHandler([this] { File1Click(); });
    cmdNew->SetClickHandler([this] { cmdNewClick(); });
    cmdLoad->SetClickHandler([this] { cmdLoadClick(); });
    cmdSave->SetClickHandler([this] { cmdSaveClick(); });
    cmdConvertToHex->SetClickHandler([this] { cmdConvertToHexClick(); });
}

// The window's load: grid, then the two lists, whose Click handlers draw the
// column-count line for "10" and place the centre marker for "1".
void FrmFont::FormLoad() {
    grid_.DrawGrid();
    glyph_.cmbCols->AddItems(NumberTexts(kFewestColumns, kMostColumns));
    glyph_.cmbCols->SetListIndex(7);
    glyph_.cmbCentre->AddItems(NumberTexts(kFirstCentre, kLastCentre));
    glyph_.cmbCentre->SetListIndex(0);
    transfer_.RememberShownGlyph();  // the blank canvas stands for glyph 0 until a load
    saved_.Remember(font_);
    history_.Clear();
}

void FrmFont::picMouseDown(int button, int shift, float x, float y) {
    ++stroke_;
    grid_.MouseDown(button, shift, x, y, font_.MapBytes);
    history_.Record(stroke_);
    Changed();
}

void FrmFont::picMouseMove(int button, int shift, float x, float y) {
    if (listeners_.pointer) listeners_.pointer(LedGrid::CellOf(x), LedGrid::CellOf(y));
    grid_.MouseMove(button, shift, x, y, font_.MapBytes);
    if (button == kLeftButton || button == kRightButton) history_.Record(stroke_);
}

void FrmFont::Drive1Change() { Dir1->SetPath(Drive1->Drive()); }

void FrmFont::Dir1Change() { File1->SetPath(Dir1->Path()); }

// Only a click in the file list changes the chosen file; changing drive or
// folder afterwards keeps it.
void FrmFont::File1Click() {
    font_.FontFile = File1->FilePath();
    ShowChosenFile();
}

void FrmFont::ShowChosenFile() {
    const QString file = QFile::decodeName(QByteArray::fromStdString(font_.FontFile));
    lblFile->setText(file.isEmpty() ? QStringLiteral("File :") : QStringLiteral("File : ") + file);
}

FontState FrmFont::LiveFont() const {
    FontState live = font_;
    const EditorGlyph glyph = transfer_.ReadEditorGlyph();
    for (int k = 0; k < kRecordBytes; ++k) live.FontBytes(glyph.index, k) = glyph.record[static_cast<std::size_t>(k)];
    if (!font_.IsJukta) return live;
    try {
        const Byte first = TextToByte("&H" + glyph.codes[0]), second = TextToByte("&H" + glyph.codes[1]);
        live.JuktaCodes(glyph.index, 0) = first;
        live.JuktaCodes(glyph.index, 1) = second;
    } catch (const Error&) {
        // a box being typed in, or holding what no byte is: the pair stays as stored
    }
    return live;
}

}  // namespace ledfont
