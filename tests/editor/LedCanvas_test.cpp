#include "LedCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ledfont {
namespace {

TEST(LedCanvas, StartsBlackAndPointReadsBackWhatWasDrawn) {
    LedCanvas canvas;
    EXPECT_EQ(canvas.Point(0, 0), kBlack);
    EXPECT_EQ(canvas.Point(160, 160), kBlack);
    canvas.FilledBox(11, 21, 19, 29, kRed);
    EXPECT_EQ(canvas.Point(15, 25), kRed);
    EXPECT_EQ(canvas.Point(11, 21), kRed) << "both corners are included";
    EXPECT_EQ(canvas.Point(19, 29), kRed);
    EXPECT_EQ(canvas.Point(10, 25), kBlack);
    EXPECT_EQ(canvas.Point(20, 25), kBlack);
    canvas.Cls();
    EXPECT_EQ(canvas.Point(15, 25), kBlack);
}

TEST(LedCanvas, PointOutsideTheDrawingAreaIsReportedAsOutside) {
    LedCanvas canvas;
    for (float v : {-1.0f, 161.0f, 1e9f, -1e9f, std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_EQ(canvas.Point(v, 5), kOutsideCanvas) << v;
        EXPECT_EQ(canvas.Point(5, v), kOutsideCanvas) << v;
    }
}

TEST(LedCanvas, LongLinesAreClippedToTheCanvas) {
    LedCanvas canvas;
    canvas.Line(30, 0, 30, 2535, kBlue);
    for (int y = 0; y <= 160; ++y) EXPECT_EQ(canvas.Point(30, static_cast<float>(y)), kBlue) << y;
    EXPECT_EQ(canvas.Point(29, 50), kBlack);
    EXPECT_EQ(canvas.Point(31, 50), kBlack);
    canvas.Line(-500, 40, 2535, 40, kGreen);
    for (int x = 0; x <= 160; ++x) EXPECT_EQ(canvas.Point(static_cast<float>(x), 40), kGreen) << x;
}

TEST(LedCanvas, LinesAndBoxesEntirelyOutsideLeaveNoMark) {
    LedCanvas canvas;
    canvas.Line(170, 0, 170, 2535, kBlue);
    canvas.Line(0, -10, 160, -10, kBlue);
    canvas.FilledBox(161, 161, 169, 169, kRed);
    canvas.FilledBox(-119, 1, -111, 9, kRed);
    canvas.FilledBox(1e30f, 1e30f, 2e30f, 2e30f, kRed);
    for (int y = 0; y <= 160; ++y)
        for (int x = 0; x <= 160; ++x)
            ASSERT_EQ(canvas.Point(static_cast<float>(x), static_cast<float>(y)), kBlack) << x << "," << y;
}

TEST(LedCanvas, BoxPartlyOutsideIsClippedNotWrapped) {
    LedCanvas canvas;
    canvas.FilledBox(151, 155, 175, 175, kRed);
    EXPECT_EQ(canvas.Point(160, 160), kRed);
    EXPECT_EQ(canvas.Point(151, 155), kRed);
    EXPECT_EQ(canvas.Point(150, 160), kBlack);
    EXPECT_EQ(canvas.Point(0, 0), kBlack) << "no wrap-around to the next row";
}

TEST(LedCanvas, SlantedLineTouchesBothEnds) {
    LedCanvas canvas;
    canvas.Line(0, 0, 20, 10, kGreen);
    EXPECT_EQ(canvas.Point(0, 0), kGreen);
    EXPECT_EQ(canvas.Point(20, 10), kGreen);
    EXPECT_EQ(canvas.Point(10, 5), kGreen);
}

TEST(LedCanvas, EveryDrawingOperationTellsTheListener) {
    LedCanvas canvas;
    int calls = 0;
    canvas.SetChangeListener([&] { ++calls; });
    canvas.Cls();
    canvas.Line(0, 0, 5, 5, kBlue);
    canvas.FilledBox(1, 1, 2, 2, kRed);
    EXPECT_EQ(calls, 3);
    (void)canvas.Point(1, 1);
    EXPECT_EQ(calls, 3) << "reading does not count as a change";
}

}  // namespace
}  // namespace ledfont
