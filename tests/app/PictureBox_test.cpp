#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <vector>

#include "FrmFont.h"
#include "LedCanvas.h"
#include "PictureBox.h"
#include "WidgetLookup.h"

namespace {

using ledfont::FrmFont;
using ledfont::PictureBox;

constexpr ledfont::Colour kRed = 0xFF0000;
constexpr ledfont::Colour kBlack = 0x000000;

// Sends a mouse event as the window system would, buttons held included.
void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

// The window's canvas: at 169 x 169 pixels every canvas unit is one pixel,
// counted from the top-left corner inside the border.
struct WindowCanvas : testing::Test {
    WindowCanvas() : pic(Find<PictureBox>(&window, "pic")) {}

    // Pixel of the sample point of cell (c, r).
    QPoint CellPixel(int c, int r) const {
        const QPoint origin = pic->contentsRect().topLeft();
        return origin + QPoint(10 * c + 5, 10 * r + 5);
    }
    ledfont::Colour CellColour(int c, int r) const {
        return window.Canvas().Point(static_cast<float>(10 * c + 5), static_cast<float>(10 * r + 5));
    }
    void Press(int c, int r, Qt::MouseButton button) {
        Send(pic, QEvent::MouseButtonPress, CellPixel(c, r), button, button);
        Send(pic, QEvent::MouseButtonRelease, CellPixel(c, r), button, Qt::NoButton);
    }
    void Move(int c, int r, Qt::MouseButtons held) {
        Send(pic, QEvent::MouseMove, CellPixel(c, r), Qt::NoButton, held);
    }
    std::vector<ledfont::Colour> Pixels() const {
        const ledfont::Colour* p = window.Canvas().Pixels();
        return {p, p + 161 * 161};
    }

    FrmFont window;
    PictureBox* pic;
};

TEST_F(WindowCanvas, DrawingAreaHoldsTheCanvasOneToOne) {
    ASSERT_NE(pic, nullptr);
    const QRect area = pic->contentsRect();
    EXPECT_GE(area.width(), 161);
    EXPECT_LT(area.width(), 2 * 161);
    EXPECT_EQ(pic->Scale(), 1);
}

TEST_F(WindowCanvas, LeftClickLightsTheCellUnderThePointer) {
    Press(3, 4, Qt::LeftButton);
    EXPECT_EQ(CellColour(3, 4), kRed);
    // Column 3, rows 0..7: row 4 lit clears bit 4.
    EXPECT_EQ(window.Font().MapBytes(6), 0xFF & ~(1 << 4));
    EXPECT_EQ(window.Font().MapBytes(7), 0xFF);
}

TEST_F(WindowCanvas, RightClickDarkensALitCell) {
    Press(15, 15, Qt::LeftButton);
    ASSERT_EQ(CellColour(15, 15), kRed);
    Press(15, 15, Qt::RightButton);
    EXPECT_EQ(CellColour(15, 15), kBlack);
    EXPECT_EQ(window.Font().MapBytes(31), 0xFF);
}

TEST_F(WindowCanvas, MiddleClickPaintsNothingButReadsTheCanvasBack) {
    const std::vector<ledfont::Colour> before = Pixels();
    Press(8, 8, Qt::MiddleButton);
    EXPECT_EQ(Pixels(), before);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(window.Font().MapBytes(i), 0xFF) << i;
}

TEST_F(WindowCanvas, DraggingWithTheLeftButtonLightsEveryCellPassed) {
    Send(pic, QEvent::MouseButtonPress, CellPixel(0, 9), Qt::LeftButton, Qt::LeftButton);
    for (int c = 1; c <= 5; ++c) Move(c, 9, Qt::LeftButton);
    for (int c = 0; c < 16; ++c) EXPECT_EQ(CellColour(c, 9), c <= 5 ? kRed : kBlack) << c;
    // Row 9 is bit 1 of the lower half of each column.
    for (int c = 0; c < 16; ++c) EXPECT_EQ(window.Font().MapBytes(2 * c + 1), c <= 5 ? 0xFD : 0xFF) << c;
}

TEST_F(WindowCanvas, DraggingWithTheRightButtonDarkensCells) {
    for (int r = 0; r < 4; ++r) Press(2, r, Qt::LeftButton);
    Send(pic, QEvent::MouseButtonPress, CellPixel(2, 0), Qt::RightButton, Qt::RightButton);
    Move(2, 1, Qt::RightButton);
    Move(2, 2, Qt::RightButton);
    EXPECT_EQ(CellColour(2, 0), kBlack);
    EXPECT_EQ(CellColour(2, 1), kBlack);
    EXPECT_EQ(CellColour(2, 2), kBlack);
    EXPECT_EQ(CellColour(2, 3), kRed);
}

TEST_F(WindowCanvas, DraggingWithBothButtonsOrNonePaintsNothing) {
    const std::vector<ledfont::Colour> before = Pixels();
    Move(4, 4, Qt::LeftButton | Qt::RightButton);
    Move(5, 5, Qt::NoButton);
    Move(6, 6, Qt::MiddleButton);
    EXPECT_EQ(Pixels(), before);
}

TEST_F(WindowCanvas, PaintedCellShowsOnScreenAtItsPlace) {
    Press(1, 2, Qt::LeftButton);
    const QImage shown = pic->grab().toImage();
    const QPoint origin = pic->contentsRect().topLeft();
    EXPECT_EQ(shown.pixel(CellPixel(1, 2)) & 0xFFFFFF, kRed);
    EXPECT_EQ(shown.pixel(origin + QPoint(10 * 1 + 5, 10 * 3 + 5)) & 0xFFFFFF, kBlack);
    EXPECT_EQ(shown.pixel(origin + QPoint(30, 5)) & 0xFFFFFF, 0x0000FFu);   // grid line x = 30
    EXPECT_EQ(shown.pixel(origin + QPoint(100, 5)) & 0xFFFFFF, 0x00FF00u);  // ten-column line
}

// A picture box of its own, to see exactly what it reports.
struct Report {
    int button;
    int shift;
    float x;
    float y;
};

struct LonePictureBox : testing::Test {
    LonePictureBox() : box(canvas) {
        box.SetMouseDownHandler([this](int b, int s, float x, float y) { downs.push_back({b, s, x, y}); });
        box.SetMouseMoveHandler([this](int b, int s, float x, float y) { moves.push_back({b, s, x, y}); });
    }
    ledfont::LedCanvas canvas;
    PictureBox box;
    std::vector<Report> downs;
    std::vector<Report> moves;
};

struct ButtonCase {
    Qt::MouseButton button;
    int value;
};

class PressedButton : public LonePictureBox, public testing::WithParamInterface<ButtonCase> {};

TEST_P(PressedButton, IsReportedByItsNumber) {
    box.resize(169, 169);
    Send(&box, QEvent::MouseButtonPress, QPoint(20, 30), GetParam().button, GetParam().button);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Buttons, PressedButton,
                         testing::Values(ButtonCase{Qt::LeftButton, 1}, ButtonCase{Qt::RightButton, 2},
                                         ButtonCase{Qt::MiddleButton, 4}),
                         [](const testing::TestParamInfo<ButtonCase>& param) {
                             return "Button" + std::to_string(param.param.value);
                         });

struct HeldCase {
    Qt::MouseButtons held;
    int sum;
};

class HeldButtons : public LonePictureBox, public testing::WithParamInterface<HeldCase> {};

TEST_P(HeldButtons, MoveReportsTheSumOfTheButtonsHeld) {
    box.resize(169, 169);
    Send(&box, QEvent::MouseMove, QPoint(20, 30), Qt::NoButton, GetParam().held);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].button, GetParam().sum);
}

INSTANTIATE_TEST_SUITE_P(Sums, HeldButtons,
                         testing::Values(HeldCase{Qt::NoButton, 0}, HeldCase{Qt::LeftButton, 1},
                                         HeldCase{Qt::RightButton, 2}, HeldCase{Qt::LeftButton | Qt::RightButton, 3},
                                         HeldCase{Qt::MiddleButton, 4}, HeldCase{Qt::LeftButton | Qt::MiddleButton, 5},
                                         HeldCase{Qt::LeftButton | Qt::RightButton | Qt::MiddleButton, 7}),
                         [](const testing::TestParamInfo<HeldCase>& param) {
                             return "Sum" + std::to_string(param.param.sum);
                         });

TEST_F(LonePictureBox, ShiftReportsShiftCtrlAndAlt) {
    box.resize(169, 169);
    Send(&box, QEvent::MouseButtonPress, QPoint(20, 30), Qt::LeftButton, Qt::LeftButton,
         Qt::ShiftModifier | Qt::AltModifier);
    Send(&box, QEvent::MouseMove, QPoint(21, 30), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(downs.size(), 1u);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(downs[0].shift, 1 + 4);
    EXPECT_EQ(moves[0].shift, 2);
}

struct MappingCase {
    int side;    // widget size in pixels, square
    int scale;   // pixels per canvas unit the test expects
    QPoint unit;  // canvas point to click
};

class PixelsToUnits : public LonePictureBox, public testing::WithParamInterface<MappingCase> {};

TEST_P(PixelsToUnits, ClickReportsCanvasUnitsFromTheDrawingAreaCorner) {
    const MappingCase& m = GetParam();
    box.resize(m.side, m.side);
    const QPoint origin = box.contentsRect().topLeft();
    Send(&box, QEvent::MouseButtonPress, origin + m.unit * m.scale, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_FLOAT_EQ(downs[0].x, static_cast<float>(m.unit.x()));
    EXPECT_FLOAT_EQ(downs[0].y, static_cast<float>(m.unit.y()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PixelsToUnits,
                         testing::Values(MappingCase{169, 1, QPoint(37, 12)}, MappingCase{169, 1, QPoint(0, 160)},
                                         MappingCase{2 * 161 + 4, 2, QPoint(37, 12)},
                                         MappingCase{3 * 161 + 4, 3, QPoint(160, 1)}),
                         [](const testing::TestParamInfo<MappingCase>& param) {
                             return "Side" + std::to_string(param.param.side) + "_" + std::to_string(param.index);
                         });

TEST_F(LonePictureBox, HalfPixelsAtALargerScaleGiveFractionalUnits) {
    box.resize(2 * 161 + 4, 2 * 161 + 4);
    const QPointF origin = box.contentsRect().topLeft();
    const QPointF units = box.ToCanvas(origin + QPointF(75, 9));
    EXPECT_DOUBLE_EQ(units.x(), 37.5);
    EXPECT_DOUBLE_EQ(units.y(), 4.5);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(LonePictureBox, DrawingOnTheCanvasRepaintsTheBox) {
    box.resize(169, 169);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QApplication::processEvents();
    PaintCounter counter;
    box.installEventFilter(&counter);
    QApplication::processEvents();
    ASSERT_EQ(counter.paints, 0);
    canvas.FilledBox(11, 11, 19, 19, kRed);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    box.removeEventFilter(&counter);
}

}  // namespace
