#include "FrmFont.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "ComboBox.h"
#include "CommandButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FontIcon.h"
#include "Frame.h"
#include "FrmFontLayout.h"
#include "GlyphLimits.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "Shape.h"
#include "Twips.h"

namespace ledfont {

namespace {
QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    small.setPixelSize(11);
    setFont(small);
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    CreateControls();
    WireHandlers();
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

template <class Widget>
Widget* FrmFont::Place(Widget* widget, std::string_view name) {
    const ControlPlace& place = PlaceOf(name);
    QWidget* container =
        place.container == kWindowName ? this : findChild<QWidget*>(ToQString(place.container));
    widget->setParent(container);
    widget->setObjectName(ToQString(name));
    widget->setGeometry(TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
                        TwipsToPixels(place.height));
    return widget;
}

void FrmFont::CreateControls() {
    Frame1 = Place(new Frame, "Frame1");
    Frame3 = Place(new Frame(QStringLiteral("Font File")), "Frame3");
    cmdConvertToHex = Place(new CommandButton(QStringLiteral("Make HEX File")), "cmdConvertToHex");
    CreateEditorArea();
    CreateFileArea();
    SetTabOrder();
}

void FrmFont::CreateEditorArea() {
    Frame2 = Place(new Frame, "Frame2");
    glyph_.lblLoc = Place(new QLabel(QStringLiteral("Loc")), "lblLoc");
    cmdShowDec = Place(new CommandButton(QStringLiteral("<<")), "cmdShowDec");
    cmdShowInc = Place(new CommandButton(QStringLiteral(">>")), "cmdShowInc");
    FrameJ = Place(new Frame(QStringLiteral("Jukta")), "FrameJ");
    for (std::size_t i = 0; i < glyph_.txtJukta.size(); ++i) {
        glyph_.txtJukta[i] = Place(new QLineEdit, i == 0 ? "txtJukta0" : "txtJukta1");
        glyph_.txtJukta[i]->setMaxLength(2);
    }
    FrameJ->hide();
    Label1 = Place(new QLabel(QStringLiteral("No. of Cols.")), "Label1");
    glyph_.shpCentre = Place(new Shape(kCentreMarkerColour), "shpCentre");
    glyph_.shpCentre->SetLeft(static_cast<float>(PlaceOf("shpCentre").left));
    pic = Place(new PictureBox(canvas_), "pic");
    glyph_.cmbCols = Place(new ComboBox, "cmbCols");
    Label2 = Place(new QLabel(QStringLiteral("Centre")), "Label2");
    glyph_.cmbCentre = Place(new ComboBox, "cmbCentre");
    glyph_.optConst = Place(new OptionButton(QStringLiteral("Consonant")), "optConst");
    glyph_.optVowel = Place(new OptionButton(QStringLiteral("Vowel")), "optVowel");
    glyph_.optIkaar = Place(new OptionButton(QStringLiteral("Ikaar")), "optIkaar");
    glyph_.optConst->SetValue(true);
}

void FrmFont::CreateFileArea() {
    cmdNew = Place(new CommandButton(QStringLiteral("New")), "cmdNew");
    Dir1 = Place(new DirListBox, "Dir1");
    File1 = Place(new FileListBox, "File1");
    optHindi = Place(new OptionButton(QStringLiteral("Hindi")), "optHindi");
    cmdSave = Place(new CommandButton(QStringLiteral("Save")), "cmdSave");
    cmdSave->setEnabled(false);  // until the first Load that succeeds
    optJukta = Place(new OptionButton(QStringLiteral("Jukta")), "optJukta");
    cmdLoad = Place(new CommandButton(QStringLiteral("Load")), "cmdLoad");
    Drive1 = Place(new DriveListBox, "Drive1");
    lblFile = Place(new QLabel(QStringLiteral("File :")), "lblFile");
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
        connect(option, &QAbstractButton::clicked, this, [this] { history_.Record(); });
    for (QLineEdit* box : glyph_.txtJukta)
        connect(box, &QLineEdit::editingFinished, this, [this] { history_.Record(); });
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
    for (int columns = kFewestColumns; columns <= kMostColumns; ++columns)
        glyph_.cmbCols->AddItem(QString::number(columns));
    glyph_.cmbCols->SetListIndex(7);
    for (int centre = kFirstCentre; centre <= kLastCentre; ++centre)
        glyph_.cmbCentre->AddItem(QString::number(centre));
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

}  // namespace ledfont
