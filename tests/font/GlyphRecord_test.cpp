#include "GlyphRecord.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

namespace ledfont {
namespace {

struct FieldCase {
    Byte byte1;
    int glyphClass;
    int centre;
};

class ClassAndCentre : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ClassAndCentre, DecodeFromByteOne) {
    auto state = std::make_unique<FontState>();
    state->FontBytes(3, 1) = GetParam().byte1;
    const GlyphRecord record(state->FontBytes, 3);
    EXPECT_EQ(record.Class(), GetParam().glyphClass);
    EXPECT_EQ(record.CentreColumn(), GetParam().centre);
}

TEST_P(ClassAndCentre, EncodeIntoByteOne) {
    auto state = std::make_unique<FontState>();
    GlyphRecord(state->FontBytes, 3).SetClassAndCentre(GetParam().glyphClass, GetParam().centre);
    EXPECT_EQ(state->FontBytes(3, 1), GetParam().byte1);
}

// byte 1 = class * 16 + centre: 37 = 0x25, 16 = 0x10, 47 = 0x2F, 255 = 0xFF.
INSTANTIATE_TEST_SUITE_P(WorkedDecodings, ClassAndCentre,
                         ::testing::Values(FieldCase{37, 2, 5}, FieldCase{16, 1, 0}, FieldCase{47, 2, 15},
                                           FieldCase{1, 0, 1}, FieldCase{0, 0, 0}, FieldCase{255, 15, 15}));

TEST(GlyphRecord, ClassAndCentreThatDoNotFitAByteOverflow) {
    auto state = std::make_unique<FontState>();
    state->FontBytes(0, 1) = 99;
    GlyphRecord record(state->FontBytes, 0);
    EXPECT_THROW(record.SetClassAndCentre(16, 0), OverflowError);
    EXPECT_THROW(record.SetClassAndCentre(15, 16), OverflowError);
    EXPECT_THROW(record.SetClassAndCentre(0, -1), OverflowError);
    EXPECT_EQ(state->FontBytes(0, 1), 99) << "a refused value must not be stored";
}

struct CellCase {
    int x;
    int y;
    int byteIndex;  // record byte that holds the cell
    int bit;
};

class CellLayout : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellLayout, LightingOneCellClearsExactlyItsBit) {
    auto state = std::make_unique<FontState>();
    for (int k = 2; k < 34; ++k) state->FontBytes(7, k) = 0xFF;  // all dark
    GlyphRecord(state->FontBytes, 7).SetLit(GetParam().x, GetParam().y, true);
    for (int k = 2; k < 34; ++k) {
        const int expected = k == GetParam().byteIndex ? 0xFF ^ (1 << GetParam().bit) : 0xFF;
        EXPECT_EQ(state->FontBytes(7, k), expected) << "byte " << k;
    }
}

TEST_P(CellLayout, ReadsTheCellFromItsBit) {
    auto state = std::make_unique<FontState>();
    state->FontBytes(7, GetParam().byteIndex) = static_cast<Byte>(0xFF ^ (1 << GetParam().bit));
    const GlyphRecord record(state->FontBytes, 7);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            // Every other byte is 0, so every other cell reads lit.
            const int byteIndex = 2 + 2 * x + y / 8;
            const bool expectLit =
                byteIndex != GetParam().byteIndex || (x == GetParam().x && y == GetParam().y);
            EXPECT_EQ(record.IsLit(x, y), expectLit) << "cell (" << x << ", " << y << ")";
        }
}

INSTANTIATE_TEST_SUITE_P(Corners, CellLayout,
                         ::testing::Values(CellCase{0, 0, 2, 0}, CellCase{0, 7, 2, 7}, CellCase{0, 8, 3, 0},
                                           CellCase{0, 15, 3, 7}, CellCase{1, 0, 4, 0},
                                           CellCase{15, 0, 32, 0}, CellCase{15, 15, 33, 7},
                                           CellCase{5, 10, 13, 2}));

TEST(GlyphRecord, EveryCellHasABitOfItsOwn) {
    auto state = std::make_unique<FontState>();
    GlyphRecord record(state->FontBytes, 0);
    std::set<std::pair<int, int>> seen;  // (byte, bit) pairs
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            for (int k = 2; k < 34; ++k) state->FontBytes(0, k) = 0xFF;
            record.SetLit(x, y, true);
            int changed = 0;
            for (int k = 2; k < 34; ++k)
                for (int bit = 0; bit < 8; ++bit)
                    if (((state->FontBytes(0, k) >> bit) & 1) == 0) {
                        ++changed;
                        seen.insert({k, bit});
                    }
            EXPECT_EQ(changed, 1) << "cell (" << x << ", " << y << ")";
        }
    EXPECT_EQ(seen.size(), 256u) << "the 256 cells must fill all 32 bitmap bytes";
}

TEST(GlyphRecord, WorkedBitmapBytesOfColumnZero) {
    auto state = std::make_unique<FontState>();
    state->FontBytes(0, 2) = 254;  // row 0 lit, rows 1..7 dark
    state->FontBytes(0, 3) = 127;  // rows 8..14 dark, row 15 lit
    const GlyphRecord record(state->FontBytes, 0);
    for (int y = 0; y < 16; ++y) EXPECT_EQ(record.IsLit(0, y), y == 0 || y == 15) << "row " << y;
}

TEST(GlyphRecord, DarkeningSetsTheBitAndKeepsTheOthers) {
    auto state = std::make_unique<FontState>();
    GlyphRecord record(state->FontBytes, 0);
    record.SetLit(3, 9, false);  // byte 2 + 6 + 1 = 9, bit 1
    EXPECT_EQ(state->FontBytes(0, 9), 0x02);
    record.SetLit(3, 9, false);
    EXPECT_EQ(state->FontBytes(0, 9), 0x02) << "darkening twice changes nothing";
    record.SetLit(3, 9, true);
    EXPECT_EQ(state->FontBytes(0, 9), 0x00);
}

TEST(GlyphRecord, BeforeAnyLoadEveryCharacterIsZeroWideAndFullyLit) {
    auto state = std::make_unique<FontState>();
    for (int c = 0; c < 128; ++c) {
        const GlyphRecord record(state->FontBytes, c);
        EXPECT_EQ(record.ColumnCount(), 0);
        EXPECT_EQ(record.Class(), 0);
        EXPECT_EQ(record.CentreColumn(), 0);
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y) ASSERT_TRUE(record.IsLit(x, y));
    }
}

TEST(GlyphRecord, WritesStayInsideTheirOwnCharacter) {
    auto state = std::make_unique<FontState>();
    GlyphRecord record(state->FontBytes, 10);
    record.SetColumnCount(16);
    record.SetClassAndCentre(2, 15);
    for (int i = 0; i < 32; ++i) record.SetBitmapByte(i, 0xAA);
    for (int c : {9, 11})
        for (int k = 0; k < 51; ++k) EXPECT_EQ(state->FontBytes(c, k), 0) << c << "," << k;
    for (int k = 34; k < 51; ++k) EXPECT_EQ(state->FontBytes(10, k), 0) << "byte " << k;
    EXPECT_EQ(state->FontBytes(10, 0), 16);
    EXPECT_EQ(state->FontBytes(10, 1), 47);
    EXPECT_EQ(state->FontBytes(10, 2), 0xAA);
    EXPECT_EQ(state->FontBytes(10, 33), 0xAA);
    EXPECT_EQ(record.BitmapByte(31), 0xAA);
}

TEST(GlyphRecord, CellsOutsideTheGridAreSubscriptErrors) {
    auto state = std::make_unique<FontState>();
    GlyphRecord record(state->FontBytes, 0);
    const std::pair<int, int> outside[] = {{-1, 0}, {16, 0}, {0, -1}, {0, 16}};
    for (auto [x, y] : outside) {
        EXPECT_THROW(record.IsLit(x, y), SubscriptError) << x << "," << y;
        EXPECT_THROW(record.SetLit(x, y, true), SubscriptError) << x << "," << y;
    }
}

TEST(GlyphRecord, CharactersOutsideTheTableAreSubscriptErrors) {
    auto state = std::make_unique<FontState>();
    EXPECT_NO_THROW(GlyphRecord(state->FontBytes, 200).ColumnCount());
    EXPECT_THROW(GlyphRecord(state->FontBytes, 201).ColumnCount(), SubscriptError);
    EXPECT_THROW(GlyphRecord(state->FontBytes, -1).SetColumnCount(3), SubscriptError);
}

}  // namespace
}  // namespace ledfont
