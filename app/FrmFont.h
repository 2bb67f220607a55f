#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "FontState.h"
#include "GlyphTransfer.h"
#include "LedCanvas.h"
#include "LedGrid.h"
#include "WidgetGlyphControls.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ledfont {

class ComboBox;
class CommandButton;
class DirListBox;
class DriveListBox;
class FileListBox;
class OptionButton;
class PictureBox;
class Shape;

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

private:
    void CreateControls();
    void CreateEditorArea();
    void CreateFileArea();
    template <class Widget>
    Widget* Place(Widget* widget, std::string_view name);
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
    void cmdLoadClick();
    void cmdSaveClick();
    void cmdConvertToHexClick();
    void LoadChosenFont();
    void ShowFirstGlyph();

    FontState font_;
    LedCanvas canvas_;
    LedGrid grid_;
    GlyphWidgets glyphWidgets_;
    WidgetGlyphControls glyphControls_;
    GlyphTransfer transfer_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* FrameJ = nullptr;
    PictureBox* pic = nullptr;
    Shape* shpCentre = nullptr;
    ComboBox* cmbCols = nullptr;
    ComboBox* cmbCentre = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblLoc = nullptr;
    QLabel* lblFile = nullptr;
    OptionButton* optConst = nullptr;
    OptionButton* optVowel = nullptr;
    OptionButton* optIkaar = nullptr;
    OptionButton* optHindi = nullptr;
    OptionButton* optJukta = nullptr;
    std::array<QLineEdit*, 2> txtJukta{};
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
