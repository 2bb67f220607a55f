#pragma once

#include <QWidget>
#include <string_view>

#include "FontState.h"
#include "GlyphTransfer.h"
#include "LedCanvas.h"
#include "LedGrid.h"
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
    // The glyph's own controls (optConst, cmbCols, shpCentre, lblLoc,
    // txtJukta...) live only here: the editor reads and writes them through
    // glyphControls_, the window creates and wires them through glyph_.
    GlyphWidgets glyph_;
    WidgetGlyphControls glyphControls_;
    GlyphTransfer transfer_;
    bool fontLoaded_ = false;  // a Load's file step has succeeded

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
