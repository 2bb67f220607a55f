#include "LedGrid.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "Error.h"

namespace ledfont {
namespace {

using Cell = std::pair<int, int>;

// The bytes a set of lit cells must read back as: every bit 1 (dark) except
// bit (row mod 8) of element 2 * column + row / 8 for each lit cell.
std::array<int, 32> ExpectedMap(const std::set<Cell>& lit) {
    std::array<int, 32> bytes;
    bytes.fill(255);
    for (auto [c, r] : lit) bytes[static_cast<std::size_t>(2 * c + r / 8)] &= ~(1 << (r % 8));
    return bytes;
}

class LedGridTest : public ::testing::Test {
protected:
    LedCanvas canvas;
    LedGrid grid{canvas, PicGeometry{240.0f, 2535.0f, 2535.0f}};
    ByteArray<51> map;

    void SetUp() override {
        grid.DrawGrid();
        map.fill(77);  // anything GetMap must overwrite
    }
    void ExpectMap(const std::set<Cell>& lit) {
        const auto expected = ExpectedMap(lit);
        for (int i = 0; i < 32; ++i) EXPECT_EQ(map(i), expected[static_cast<std::size_t>(i)]) << "element " << i;
        for (int i = 32; i <= 50; ++i) EXPECT_EQ(map(i), 77) << "element " << i << " is not GetMap's";
    }
};

TEST_F(LedGridTest, GridIsSeventeenBlueLinesEachWay) {
    for (int v = 0; v <= 160; v += 10) {
        EXPECT_EQ(canvas.Point(static_cast<float>(v), 33), kBlue) << v;
        EXPECT_EQ(canvas.Point(33, static_cast<float>(v)), kBlue) << v;
    }
    EXPECT_EQ(canvas.Point(5, 5), kBlack);
    EXPECT_EQ(canvas.Point(15, 33), kBlack);
}

TEST_F(LedGridTest, BlankGridReadsBackAllDark) {
    grid.GetMap(map);
    ExpectMap({});
}

TEST_F(LedGridTest, EachLitCellLandsInItsBitOfTheColumnMajorLayout) {
    const Cell cases[] = {{0, 0}, {0, 7}, {0, 8}, {1, 0}, {15, 15}, {7, 9}, {15, 0}, {0, 15}};
    for (const Cell& cell : cases) {
        canvas.Cls();
        grid.DrawGrid();
        grid.OnLED(cell.first, cell.second);
        grid.GetMap(map);
        ExpectMap({cell});
    }
}

TEST_F(LedGridTest, KnownBytesOfSingleCells) {
    // Worked values: (0,0) -> element 0 = 254, (0,7) -> 127, (0,8) -> element 1 = 254,
    // (1,0) -> element 2 = 254, (15,15) -> element 31 = 127.
    const struct { int c, r, element, value; } cases[] = {
        {0, 0, 0, 254}, {0, 7, 0, 127}, {0, 8, 1, 254}, {1, 0, 2, 254}, {15, 15, 31, 127}};
    for (const auto& k : cases) {
        canvas.Cls();
        grid.OnLED(k.c, k.r);
        grid.GetMap(map);
        EXPECT_EQ(map(k.element), k.value) << k.c << "," << k.r;
    }
}

TEST_F(LedGridTest, OffLedDarkensAndBoxesStayOffTheGridLines) {
    grid.OnLED(3, 4);
    EXPECT_EQ(canvas.Point(30, 45), kBlue);
    EXPECT_EQ(canvas.Point(31, 41), kRed);
    EXPECT_EQ(canvas.Point(39, 49), kRed);
    grid.OffLED(3, 4);
    EXPECT_EQ(canvas.Point(35, 45), kBlack);
    EXPECT_EQ(canvas.Point(40, 45), kBlue);
}

TEST_F(LedGridTest, AnyColourButBlackAtTheSamplePointReadsLit) {
    canvas.FilledBox(25, 25, 25, 25, kGreen);  // sample point of cell (2, 2)
    canvas.FilledBox(55, 105, 55, 105, 0x010000);
    grid.GetMap(map);
    ExpectMap({{2, 2}, {5, 10}});
}

TEST_F(LedGridTest, DrawGridOverAGlyphChangesNoCellButTurnsAGreenLineBlue) {
    const std::set<Cell> lit = {{0, 0}, {4, 9}, {15, 15}, {9, 3}};
    for (auto [c, r] : lit) grid.OnLED(c, r);
    grid.DrawColumnLine(10);
    EXPECT_EQ(canvas.Point(100, 50), kGreen);
    grid.DrawGrid();
    EXPECT_EQ(canvas.Point(100, 50), kBlue);
    grid.GetMap(map);
    ExpectMap(lit);
}

TEST(LedGridCellOf, RoundsHalfToEvenThenTruncatesTowardZero) {
    const struct { float x; int cell; } cases[] = {
        {4.9f, 0}, {9.5f, 1}, {10.5f, 1}, {19.5f, 2}, {8.5f, 0}, {0.2f, 0}, {159.6f, 16},
        {-4.0f, 0}, {-4.5f, 0}, {-9.4f, 0}, {-9.5f, -1}, {-12.0f, -1}, {160.0f, 16}};
    for (const auto& k : cases) EXPECT_EQ(LedGrid::CellOf(k.x), k.cell) << k.x;
}

TEST(LedGridCellOf, CoordinateBeyond32BitsIsAnOverflowNotAWrap) {
    EXPECT_THROW(LedGrid::CellOf(3e9f), OverflowError);
    EXPECT_THROW(LedGrid::CellOf(-3e9f), OverflowError);
}

TEST_F(LedGridTest, MouseDownLeftLightsRightDarkensMiddleOnlyReadsBack) {
    grid.MouseDown(kLeftButton, 0, 4.9f, 4.9f, map);
    ExpectMap({{0, 0}});
    grid.MouseDown(kLeftButton, 0, 9.5f, 0.2f, map);
    ExpectMap({{0, 0}, {1, 0}});
    grid.MouseDown(kRightButton, 0, 5, 5, map);
    ExpectMap({{1, 0}});
    map.fill(77);
    grid.MouseDown(kMiddleButton, 0, 55, 55, map);
    ExpectMap({{1, 0}});  // nothing painted, but GetMap ran
}

TEST_F(LedGridTest, ClicksOutsideTheGridPaintNothingThatReadsBack) {
    grid.MouseDown(kLeftButton, 0, 159.6f, 50, map);  // column 16
    ExpectMap({});
    grid.MouseMove(kLeftButton, 0, -12, 50, map);  // column -1
    ExpectMap({});
    EXPECT_EQ(canvas.Point(0, 50), kBlue) << "the box of column -1 ends left of the canvas";
}

TEST_F(LedGridTest, MoveWithMinusFourPaintsColumnZero) {
    grid.MouseMove(kLeftButton, 0, -4, 50, map);
    ExpectMap({{0, 5}});
}

TEST_F(LedGridTest, DraggingPaintsEveryReportedCellAndOnlySingleButtonsPaint) {
    grid.MouseDown(kLeftButton, 0, 5, 5, map);
    for (float x = 5; x <= 45; x += 3) grid.MouseMove(kLeftButton, 0, x, 5, map);
    ExpectMap({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
    grid.MouseMove(kLeftButton + kRightButton, 0, 75, 75, map);
    grid.MouseMove(kMiddleButton, 0, 85, 85, map);
    grid.MouseMove(0, 0, 95, 95, map);
    grid.GetMap(map);
    ExpectMap({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
    grid.MouseMove(kRightButton, 0, 25, 5, map);
    ExpectMap({{0, 0}, {1, 0}, {3, 0}, {4, 0}});
}

}  // namespace
}  // namespace ledfont
