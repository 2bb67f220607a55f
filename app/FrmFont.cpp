#include "FrmFont.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "ComboBox.h"
#include "CommandButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FontFilePath.h"
#include "FontIcon.h"
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
}  // namespace

FrmFont::FrmFont(QWidget* parent)
    : QWidget(parent), grid_(canvas_, PicGeometry{}), glyphControls_(glyphWidgets_),
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
    Frame1 = Place(new QGroupBox, "Frame1");
    Frame3 = Place(new QGroupBox(QStringLiteral("Font File")), "Frame3");
    cmdConvertToHex = Place(new CommandButton(QStringLiteral("Make HEX File")), "cmdConvertToHex");
    CreateEditorArea();
    CreateFileArea();
    glyphWidgets_ = {optConst, optVowel, optIkaar, cmbCols, cmbCentre, shpCentre, lblLoc, txtJukta};
    SetTabOrder();
}

void FrmFont::CreateEditorArea() {
    Frame2 = Place(new QGroupBox, "Frame2");
    lblLoc = Place(new QLabel(QStringLiteral("Loc")), "lblLoc");
    cmdShowDec = Place(new CommandButton(QStringLiteral("<<")), "cmdShowDec");
    cmdShowInc = Place(new CommandButton(QStringLiteral(">>")), "cmdShowInc");
    FrameJ = Place(new QGroupBox(QStringLiteral("Jukta")), "FrameJ");
    for (std::size_t i = 0; i < txtJukta.size(); ++i) {
        txtJukta[i] = Place(new QLineEdit, i == 0 ? "txtJukta0" : "txtJukta1");
        txtJukta[i]->setMaxLength(2);
    }
    FrameJ->hide();
    Label1 = Place(new QLabel(QStringLiteral("No. of Cols.")), "Label1");
    shpCentre = Place(new Shape(kCentreMarkerColour), "shpCentre");
    shpCentre->SetLeft(static_cast<float>(PlaceOf("shpCentre").left));
    pic = Place(new PictureBox(canvas_), "pic");
    cmbCols = Place(new ComboBox, "cmbCols");
    Label2 = Place(new QLabel(QStringLiteral("Centre")), "Label2");
    cmbCentre = Place(new ComboBox, "cmbCentre");
    optConst = Place(new OptionButton(QStringLiteral("Consonant")), "optConst");
    optVowel = Place(new OptionButton(QStringLiteral("Vowel")), "optVowel");
    optIkaar = Place(new OptionButton(QStringLiteral("Ikaar")), "optIkaar");
    optConst->SetValue(true);
}

void FrmFont::CreateFileArea() {
    cmdNew = Place(new CommandButton(QStringLiteral("New")), "cmdNew");
    cmdNew->setEnabled(false);  // "New" has no command; it stays greyed
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
    cmbCols->SetClickHandler([this] { transfer_.ColsClick(); });
    cmbCentre->SetClickHandler([this] { transfer_.CentreClick(); });
    cmdShowDec->SetClickHandler([this] { cmdShowDecClick(); });
    cmdShowInc->SetClickHandler([this] { cmdShowIncClick(); });
    Drive1->SetChangeHandler([this] { Drive1Change(); });
    Dir1->SetChangeHandler([this] { Dir1Change(); });
    File1->SetClickHandler([this] { File1Click(); });
    cmdLoad->SetClickHandler([this] { cmdLoadClick(); });
    cmdSave->SetClickHandler([this] { cmdSaveClick(); });
    cmdConvertToHex->SetClickHandler([this] { cmdConvertToHexClick(); });
}

// The window's load: grid, then the two lists, whose Click handlers draw the
// column-count line for "10" and place the centre marker for "1".
void FrmFont::FormLoad() {
    grid_.DrawGrid();
    for (int columns = kFewestColumns; columns <= kMostColumns; ++columns)
        cmbCols->AddItem(QString::number(columns));
    cmbCols->SetListIndex(7);
    for (int centre = kFirstCentre; centre <= kLastCentre; ++centre) cmbCentre->AddItem(QString::number(centre));
    cmbCentre->SetListIndex(0);
    transfer_.RememberShownGlyph();  // the blank canvas stands for glyph 0 until a load
}

void FrmFont::picMouseDown(int button, int shift, float x, float y) {
    grid_.MouseDown(button, shift, x, y, font_.MapBytes);
}

void FrmFont::picMouseMove(int button, int shift, float x, float y) {
    grid_.MouseMove(button, shift, x, y, font_.MapBytes);
}

void FrmFont::Drive1Change() { Dir1->SetPath(Drive1->Drive()); }

void FrmFont::Dir1Change() { File1->SetPath(Dir1->Path()); }

// Only a click in the file list changes the chosen file; changing drive or
// folder afterwards keeps it.
void FrmFont::File1Click() {
    font_.FontFile = QFile::encodeName(FontFilePath(File1->Path(), File1->FileName())).toStdString();
    lblFile->setText(QStringLiteral("File : ") + QFile::decodeName(QByteArray::fromStdString(font_.FontFile)));
}

}  // namespace ledfont
