#include "ByteTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "FontState.h"

namespace ledfont {
namespace {

struct IndexCase {
    long row;
    long col;
    bool inside;
};

class FontTableBounds : public ::testing::TestWithParam<IndexCase> {};

TEST_P(FontTableBounds, AcceptsOnlyTheDeclaredIndexes) {
    auto table = std::make_unique<FontTable>();
    const auto [r, c, inside] = GetParam();
    if (inside) {
        EXPECT_NO_THROW((*table)(r, c) = 9);
        EXPECT_EQ(std::as_const(*table)(r, c), 9);
    } else {
        EXPECT_THROW((*table)(r, c) = 9, SubscriptError);
        EXPECT_THROW(std::as_const(*table)(r, c), SubscriptError);
        EXPECT_EQ(*table, FontTable{}) << "a refused write must change nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(CharacterAndByte, FontTableBounds,
                         ::testing::Values(IndexCase{0, 0, true}, IndexCase{200, 50, true},
                                           IndexCase{127, 33, true}, IndexCase{-1, 0, false},
                                           IndexCase{201, 0, false}, IndexCase{0, -1, false},
                                           IndexCase{0, 51, false}, IndexCase{1, 51, false},
                                           IndexCase{-1, -1, false}));

TEST(ByteTable, SubscriptErrorCarriesItsNumber) {
    const CodeTable codes;
    try {
        (void)codes(0, 3);
        FAIL() << "slot 3 accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(static_cast<int>(e.Number()), 9);
        EXPECT_EQ(e.Description(), "column index 3 is outside 0..2 [Subscript out of range]");
    }
}

TEST(ByteTable, EveryCellIsDistinct) {
    // A column index must never spill into the next row: (r, 50) and (r + 1, 0) differ.
    auto table = std::make_unique<ByteTable<4, 3>>();
    int value = 1;
    for (long r = 0; r < 4; ++r)
        for (long c = 0; c < 3; ++c) (*table)(r, c) = static_cast<Byte>(value++);
    value = 1;
    for (long r = 0; r < 4; ++r)
        for (long c = 0; c < 3; ++c) EXPECT_EQ((*table)(r, c), value++) << r << "," << c;

    auto font = std::make_unique<FontTable>();
    (*font)(0, 50) = 1;
    EXPECT_EQ((*font)(1, 0), 0);
}

TEST(ByteTable, ComparesEveryCell) {
    auto a = std::make_unique<FontTable>();
    auto b = std::make_unique<FontTable>();
    EXPECT_EQ(*a, *b);
    (*b)(200, 50) = 1;
    EXPECT_NE(*a, *b);
}

TEST(ByteArray, AcceptsZeroToSizeLessOne) {
    ByteArray<51> bytes;
    EXPECT_NO_THROW(bytes(0) = 1);
    EXPECT_NO_THROW(bytes(50) = 2);
    EXPECT_THROW(bytes(51), SubscriptError);
    EXPECT_THROW(bytes(-1), SubscriptError);
    EXPECT_EQ(bytes(0), 1);
    EXPECT_EQ(bytes(50), 2);
    bytes.fill(7);
    for (long i = 0; i < 51; ++i) EXPECT_EQ(bytes(i), 7);
}

TEST(FontState, StartsEmptyWithTheDeclaredSizes) {
    auto state = std::make_unique<FontState>();
    EXPECT_EQ(FontTable::RowCount(), 201u);
    EXPECT_EQ(FontTable::ColumnCount(), 51u);
    EXPECT_EQ(CodeTable::RowCount(), 201u);
    EXPECT_EQ(CodeTable::ColumnCount(), 3u);
    EXPECT_EQ(decltype(state->MapBytes)::size(), 51u);
    EXPECT_EQ(decltype(state->HexBuf)::size(), 5001u);
    for (long c = 0; c < 201; ++c) {
        for (long k = 0; k < 51; ++k) ASSERT_EQ(state->FontBytes(c, k), 0);
        for (long j = 0; j < 3; ++j) ASSERT_EQ(state->JuktaCodes(c, j), 0);
    }
    for (long i = 0; i < 5001; ++i) ASSERT_EQ(state->HexBuf(i), 0);
    EXPECT_EQ(state->CurChar, 0);
    EXPECT_TRUE(state->FontFile.empty());
    EXPECT_FALSE(state->IsJukta);
    EXPECT_EQ(state->Mode(), FontMode::Hindi);
}

TEST(FontMode, CountsOfEachMode) {
    EXPECT_EQ(GlyphCount(FontMode::Hindi), 128);
    EXPECT_EQ(GlyphCount(FontMode::Jukta), 64);
    EXPECT_EQ(LastGlyph(FontMode::Hindi), 127);
    EXPECT_EQ(LastGlyph(FontMode::Jukta), 63);
    EXPECT_EQ(FileItemCount(FontMode::Hindi), 4352);
    EXPECT_EQ(FileItemCount(FontMode::Jukta), 2304);
    EXPECT_EQ(ModeOf(true), FontMode::Jukta);
    EXPECT_EQ(ModeOf(false), FontMode::Hindi);
}

}  // namespace
}  // namespace ledfont
