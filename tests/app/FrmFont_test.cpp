#include "FrmFont.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QComboBox>
#include <QDockWidget>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "ComboBox.h"
#include "Frame.h"
#include "MainWindow.h"
#include "Shape.h"
#include "ShortcutsDialog.h"
#include "WidgetLookup.h"

namespace {

using ledfont::FrmFont;

enum class Kind { Frame, Command, Label, Text, Shape, Picture, Combo, Option, DirList, FileList, DriveList };

struct Expected {
    const char* name;
    Kind kind;
    const char* container;
    int left, top, width, height;  // twips
    const char* caption;
    bool enabled;
    bool visible;  // visible within the window
    int tab;
};

// The window's controls as the layout gives them, in twips. shpCentre stands
// where start-up moves it (Left 240).
const std::vector<Expected> kControls = {
    {"Frame1", Kind::Frame, "frmFont", 120, 120, 6615, 3735, "", true, true, 0},
    {"Frame3", Kind::Frame, "frmFont", 6960, 120, 7935, 2775, "Font File", true, true, 3},
    {"cmdConvertToHex", Kind::Command, "frmFont", 6960, 3000, 1575, 495, "Make HEX File", true, true, 21},
    {"Frame2", Kind::Frame, "Frame1", 120, 240, 4455, 3255, "", true, true, 1},
    {"lblLoc", Kind::Label, "Frame1", 4800, 360, 1695, 255, "Loc", true, true, 9},
    {"cmdShowDec", Kind::Command, "Frame1", 4800, 720, 735, 495, "<<", true, true, 15},
    {"cmdShowInc", Kind::Command, "Frame1", 5760, 720, 735, 495, ">>", true, true, 16},
    {"FrameJ", Kind::Frame, "Frame1", 4800, 1560, 1575, 855, "Jukta", true, false, 25},
    {"txtJukta0", Kind::Text, "FrameJ", 120, 360, 615, 285, "", true, false, 26},
    {"txtJukta1", Kind::Text, "FrameJ", 840, 360, 615, 285, "", true, false, 27},
    {"Label1", Kind::Label, "Frame2", 2880, 240, 975, 255, "No. of Cols.", true, true, 8},
    {"shpCentre", Kind::Shape, "Frame2", 240, 240, 135, 135, "", true, true, -1},
    {"pic", Kind::Picture, "Frame2", 240, 360, 2535, 2535, "", true, true, 2},
    {"cmbCols", Kind::Combo, "Frame2", 2880, 480, 975, 315, "", true, true, 7},
    {"Label2", Kind::Label, "Frame2", 2880, 1080, 735, 255, "Centre", true, true, 10},
    {"cmbCentre", Kind::Combo, "Frame2", 2880, 1320, 975, 315, "", true, true, 11},
    {"optConst", Kind::Option, "Frame2", 2880, 1800, 1335, 255, "Consonant", true, true, 12},
    {"optVowel", Kind::Option, "Frame2", 2880, 2040, 975, 375, "Vowel", true, true, 13},
    {"optIkaar", Kind::Option, "Frame2", 2880, 2400, 855, 375, "Ikaar", true, true, 14},
    {"cmdNew", Kind::Command, "Frame3", 120, 240, 1095, 375, "New", true, true, 4},
    {"Dir1", Kind::DirList, "Frame3", 2760, 240, 2295, 1890, "", true, true, 17},
    {"File1", Kind::FileList, "Frame3", 5160, 240, 2535, 1845, "", true, true, 18},
    {"optHindi", Kind::Option, "Frame3", 1440, 360, 975, 195, "Hindi", true, true, 22},
    {"cmdSave", Kind::Command, "Frame3", 120, 720, 1095, 375, "Save", false, true, 5},
    {"optJukta", Kind::Option, "Frame3", 1440, 720, 1095, 195, "Jukta", true, true, 23},
    {"cmdLoad", Kind::Command, "Frame3", 120, 1200, 1095, 375, "Load", true, true, 6},
    {"Drive1", Kind::DriveList, "Frame3", 360, 1800, 2055, 315, "", true, true, 19},
    {"lblFile", Kind::Label, "Frame3", 240, 2400, 7095, 255, "File :", true, true, 20},
};

bool TakesFocus(Kind kind) { return kind != Kind::Frame && kind != Kind::Label && kind != Kind::Shape; }

int Px(int twips) { return twips / 15; }

class FrmFontLayoutTest : public testing::TestWithParam<Expected> {};

TEST_P(FrmFontLayoutTest, ControlSitsInItsContainerWithItsCaptionAndState) {
    const Expected& e = GetParam();
    FrmFont window;
    QWidget* control = Find(&window, e.name);
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->parentWidget(), nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), Q(e.container));
    EXPECT_EQ(control->geometry(), QRect(Px(e.left), Px(e.top), Px(e.width), Px(e.height)));
    EXPECT_EQ(CaptionOf(control), Q(e.caption));
    EXPECT_EQ(control->isEnabled(), e.enabled);
    EXPECT_EQ(control->isVisibleTo(&window), e.visible);
}

INSTANTIATE_TEST_SUITE_P(EveryControl, FrmFontLayoutTest, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<Expected>& row) { return std::string(row.param.name); });

TEST(FrmFontLayout, EachDesignNameNamesExactlyOneControl) {
    FrmFont window;
    std::vector<std::string> named;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const std::string name = widget->objectName().toStdString();
        const bool known = std::any_of(kControls.begin(), kControls.end(),
                                       [&](const Expected& e) { return name == e.name; });
        if (known) named.push_back(name);
    }
    EXPECT_EQ(named.size(), kControls.size());
}

TEST(FrmFontLayout, TabOrderFollowsTheTabColumn) {
    std::vector<Expected> focusable;
    std::copy_if(kControls.begin(), kControls.end(), std::back_inserter(focusable),
                 [](const Expected& e) { return TakesFocus(e.kind); });
    std::sort(focusable.begin(), focusable.end(), [](const auto& a, const auto& b) { return a.tab < b.tab; });
    std::vector<std::string> expected;
    for (const Expected& e : focusable) expected.push_back(e.name);

    FrmFont window;
    QWidget* first = Find(&window, expected.front().c_str());
    ASSERT_NE(first, nullptr);
    std::vector<std::string> walked;
    QWidget* widget = first;
    do {
        const std::string name = widget->objectName().toStdString();
        const bool wanted = std::find(expected.begin(), expected.end(), name) != expected.end();
        if (wanted && std::find(walked.begin(), walked.end(), name) == walked.end()) walked.push_back(name);
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(walked, expected);
}

TEST(FrmFontLayout, LabelsFramesAndMarkerNeverTakeTheFocus) {
    FrmFont window;
    for (const Expected& e : kControls) {
        if (TakesFocus(e.kind)) continue;
        QWidget* control = Find(&window, e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << e.name;
    }
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

QStringList Numbers(int from, int to) {
    QStringList numbers;
    for (int n = from; n <= to; ++n) numbers << QString::fromStdString(std::to_string(n));
    return numbers;
}

TEST(FrmFontStartUp, WindowHasItsCaptionFixedSizeAndIcon) {
    FrmFont window;
    EXPECT_EQ(window.windowTitle(), Q("Ostrel Font Designer 1.0 ~ Unicode Map Generator VELBRAN 2023"));
    EXPECT_EQ(window.size(), QSize(14925 / 15, 4050 / 15));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

// The main window holds the layout unchanged between its menu bar and its
// status bar, under the same caption, and keeps its size.
TEST(MainWindowShell, MenuBarAboveAndStatusBarBelowTheUnchangedWindow) {
    ledfont::MainWindow main;
    main.ShowPanels(false);  // the shell alone; with the panels, see below
    main.show();
    const QWidget& form = main.Form();
    EXPECT_EQ(main.windowTitle(), Q(FrmFont::kCaption));
    EXPECT_EQ(form.size(), QSize(995, 270));
    EXPECT_EQ(form.x(), 0);
    EXPECT_EQ(form.y(), main.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(main.statusBar()->y(), form.geometry().bottom() + 1);
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_EQ(main.width(), 995);

    // The panels stand beside the layout, never over it.
    main.ShowPanels(true);
    QApplication::processEvents();
    EXPECT_EQ(form.geometry(), QRect(QPoint(0, main.menuBar()->geometry().bottom() + 1), QSize(995, 270)));
    for (const QDockWidget* dock : {&main.OverviewDock(), &main.PreviewDock()}) {
        EXPECT_TRUE(dock->isVisible());
        EXPECT_FALSE(dock->geometry().intersects(form.geometry()));
    }

    std::vector<std::pair<QString, QKeySequence>> file;
    for (const QAction* action : main.menuBar()->actions().front()->menu()->actions())
        if (!action->isSeparator()) file.emplace_back(action->text(), action->shortcut());
    const std::vector<std::pair<QString, QKeySequence>> expected = {
        {Q("New &Hindi font"), QKeySequence(QKeySequence::New)},
        {Q("New &Jukta font"), QKeySequence()},
        {Q("&Load"), QKeySequence(QKeySequence::Open)},
        {Q("&Save"), QKeySequence(QKeySequence::Save)},
        {Q("Save &As…"), QKeySequence(Q("Ctrl+Shift+S"))},
        {Q("Make &HEX File"), QKeySequence()},
        {Q("&Quit"), QKeySequence(Q("Ctrl+Q"))}};
    EXPECT_EQ(file, expected);

    // Help > Keyboard shortcuts lists every command, with Qt's standard keys.
    const auto rows = ledfont::ShortcutRows(*main.menuBar());
    for (const auto& row : std::vector<std::pair<QString, QString>>{{Q("Edit ▸ Undo"), Q("Ctrl+Z")},
                                                                    {Q("Edit ▸ Copy"), Q("Ctrl+C")},
                                                                    {Q("Edit ▸ Clear glyph"), Q("Del")},
                                                                    {Q("Edit ▸ Shift left"), Q("Alt+Left")},
                                                                    {Q("Go ▸ Next"), Q("PgDown")},
                                                                    {Q("Go ▸ First"), Q("Home")},
                                                                    {Q("Go ▸ Go to glyph…"), Q("Ctrl+G")}})
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row.first.toStdString();
    EXPECT_EQ(rows.size(), 7u + 13u + 5u + 2u + 1u);  // File, Edit, Go, View, Help
    const auto redo =
        std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.first == Q("Edit ▸ Redo"); });
    ASSERT_NE(redo, rows.end());
    EXPECT_TRUE(redo->second.startsWith(Q("Ctrl+Shift+Z, Ctrl+Y")));
}

// The window's backing store is made its size when the window is shown, and
// the first paint draws into that very memory rather than making its own.
TEST(MainWindowShell, FirstPaintDrawsIntoTheBackingStoreMadeAtShow) {
    ledfont::MainWindow main;
    main.show();
    QBackingStore* store = main.backingStore();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->size(), main.size());
    ASSERT_EQ(store->paintDevice()->devType(), QInternal::Image);
    const uchar* shown = static_cast<const QImage*>(store->paintDevice())->constBits();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QApplication::processEvents();
    const auto* painted = static_cast<const QImage*>(store->paintDevice());
    EXPECT_EQ(painted->constBits(), shown);
    EXPECT_EQ(painted->pixel(main.Form().geometry().center()), main.grab().toImage().pixel(main.Form().geometry().center()));
}

TEST(FrmFontStartUp, ListsAreFilledAndSelectTenColumnsAndCentreOne) {
    FrmFont window;
    auto* cols = Find<QComboBox>(&window, "cmbCols");
    auto* centre = Find<QComboBox>(&window, "cmbCentre");
    ASSERT_TRUE(cols && centre);
    EXPECT_EQ(Items(cols), Numbers(3, 16));
    EXPECT_EQ(cols->currentIndex(), 7);
    EXPECT_EQ(cols->currentText(), Q("10"));
    EXPECT_EQ(Items(centre), Numbers(1, 15));
    EXPECT_EQ(centre->currentIndex(), 0);
    EXPECT_EQ(centre->currentText(), Q("1"));
    EXPECT_TRUE(cols->isEditable());
    EXPECT_TRUE(centre->isEditable());
}

TEST(FrmFontStartUp, ConsonantAndHindiAreTheSelectedOptions) {
    FrmFont window;
    const std::vector<std::pair<const char*, bool>> options = {
        {"optConst", true}, {"optVowel", false}, {"optIkaar", false}, {"optHindi", true}, {"optJukta", false}};
    for (const auto& [name, checked] : options) {
        auto* option = Find<QAbstractButton>(&window, name);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->isChecked(), checked) << name;
    }
}

TEST(FrmFontStartUp, CentreMarkerStandsAboveTheCanvasLeftEdge) {
    FrmFont window;
    auto* marker = Find<ledfont::Shape>(&window, "shpCentre");
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->x(), 240 / 15);
    EXPECT_FLOAT_EQ(marker->Left(), 240.0f);
    // Centre "5" moves it four sixteenths of the canvas's 2535 twips along.
    Find<ledfont::ComboBox>(&window, "cmbCentre")->SetListIndex(4);
    EXPECT_FLOAT_EQ(marker->Left(), 240.0f + 4.0f * 2535.0f / 16.0f);
}

// Each frame draws its border around what it holds: the top line (the first
// row near the right edge that is not background) runs from the left edge
// above every child, the caption breaks it, and no child reaches the border.
TEST(FrmFontLayout, FramesDrawTheirBorderAroundTheirChildren) {
    FrmFont window;
    for (const char* name : {"Frame1", "Frame2", "Frame3", "FrameJ"}) {
        auto* frame = Find<ledfont::Frame>(&window, name);
        ASSERT_NE(frame, nullptr);
        const QImage image = frame->grab().toImage();
        const int x = image.width() - 4;
        int top = 0;
        while (top < image.height() - 1 && image.pixel(x, top) == image.pixel(x, 0)) ++top;
        const QRgb line = image.pixel(x, top);
        EXPECT_EQ(image.pixel(2, top), line) << name;
        for (const QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(QRect(2, top + 2, image.width() - 4, image.height() - top - 4).contains(child->geometry()))
                << name << " / " << child->objectName().toStdString();
        }
        int onLine = 0;
        for (int cx = frame->CaptionRect().left(); cx <= frame->CaptionRect().right(); ++cx)
            onLine += image.pixel(cx, top) == line;
        if (!frame->title().isEmpty()) {
            EXPECT_LT(onLine, frame->CaptionRect().width()) << name;
        }
    }
}

TEST(FrmFontStartUp, CanvasShowsGridAndTenColumnLineWithNoLedLit) {
    FrmFont window;
    const ledfont::LedCanvas& canvas = window.Canvas();
    for (int line = 0; line <= 160; line += 10) {
        const ledfont::Colour expected = line == 100 ? 0x00FF00u : 0x0000FFu;
        EXPECT_EQ(canvas.Point(static_cast<float>(line), 5.0f), expected) << "x = " << line;
        EXPECT_EQ(canvas.Point(5.0f, static_cast<float>(line)), 0x0000FFu) << "y = " << line;
    }
    for (int c = 0; c < 16; ++c)
        for (int r = 0; r < 16; ++r)
            EXPECT_EQ(canvas.Point(static_cast<float>(10 * c + 5), static_cast<float>(10 * r + 5)), 0u) << c << "," << r;
}

TEST(FrmFontStartUp, NoFileIsChosenAndTheTableIsEmpty) {
    FrmFont window;
    const ledfont::FontState& font = window.Font();
    EXPECT_TRUE(font.FontFile.empty());
    EXPECT_FALSE(font.IsJukta);
    EXPECT_EQ(font.CurChar, 0);
    EXPECT_EQ(font.FontBytes, ledfont::FontTable{});
}

TEST(FrmFontControls, CodeBoxesAcceptAtMostTwoCharacters) {
    FrmFont window;
    for (const char* name : {"txtJukta0", "txtJukta1"}) {
        auto* box = Find<QLineEdit>(&window, name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->maxLength(), 2) << name;
    }
}

}  // namespace
