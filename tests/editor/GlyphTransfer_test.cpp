#include "GlyphTransfer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "FakeGlyphControls.h"
#include "GlyphRecord.h"

namespace ledfont {
namespace {

using test::FakeGlyphControls;

class GlyphTransferTest : public ::testing::Test {
protected:
    FontState font;
    LedCanvas canvas;
    LedGrid grid{canvas, PicGeometry{240.0f, 2535.0f, 2535.0f}};  // the window's canvas
    FakeGlyphControls controls;
    GlyphTransfer transfer{font, grid, controls};

    void SetUp() override {
        controls.colsClick = [this] { transfer.ColsClick(); };
        controls.centreClick = [this] { transfer.CentreClick(); };
        // Start-up: grid, "10" columns, centre "1", the blank canvas stands for glyph 0.
        grid.DrawGrid();
        controls.SetColsListIndex(7);
        controls.SetCentreListIndex(0);
        transfer.RememberShownGlyph();
    }

    // A record with every field set: a diagonal bitmap plus the glyph's own index lit.
    void PutRecord(int c, int columns, int glyphClass, int centre) {
        for (int k = 2; k < 34; ++k) font.FontBytes(c, k) = 255;
        GlyphRecord record(font.FontBytes, c);
        record.SetColumnCount(static_cast<Byte>(columns));
        record.SetClassAndCentre(glyphClass, centre);
        for (int i = 0; i < 16; ++i) record.SetLit(i, i, true);
        record.SetLit(c % 16, 15 - c % 16, true);
    }
    std::array<Byte, 34> Record(int c) const {
        std::array<Byte, 34> bytes{};
        for (int k = 0; k < 34; ++k) bytes[static_cast<std::size_t>(k)] = font.FontBytes(c, k);
        return bytes;
    }
    bool CanvasLit(int c, int r) const {
        return canvas.Point(static_cast<float>(10 * c + 5), static_cast<float>(10 * r + 5)) != kBlack;
    }
};

TEST_F(GlyphTransferTest, LoadCharacterShowsBitmapClassListsMarkerAndLabel) {
    PutRecord(5, 10, 2, 5);  // byte 1 = 37
    transfer.LoadCharacter(5);
    GlyphRecord record(font.FontBytes, 5);
    for (int c = 0; c < 16; ++c)
        for (int r = 0; r < 16; ++r) ASSERT_EQ(CanvasLit(c, r), record.IsLit(c, r)) << c << "," << r;
    EXPECT_TRUE(controls.IsClassSelected(GlyphClass::Ikaar));
    EXPECT_EQ(controls.colsIndex, 7);
    EXPECT_EQ(canvas.Point(100, 3), kGreen);
    EXPECT_EQ(controls.centreIndex, 4);
    EXPECT_FLOAT_EQ(controls.markerLeft, 240.0f + 4.0f * 2535.0f / 16.0f);
    EXPECT_EQ(controls.loc, "Code: 0905");
}

TEST_F(GlyphTransferTest, LoadCharacterLeavesCurCharAndMapBytesAlone) {
    PutRecord(9, 8, 0, 3);
    font.MapBytes.fill(42);
    font.CurChar = 2;
    transfer.LoadCharacter(9);
    EXPECT_EQ(font.CurChar, 2);
    EXPECT_EQ(font.MapBytes(0), 42);
}

TEST_F(GlyphTransferTest, LabelsFollowTheFontMode) {
    const struct { bool jukta; std::int16_t index; const char* caption; } cases[] = {
        {false, 0, "Code: 0900"}, {false, 5, "Code: 0905"}, {false, 16, "Code: 0910"},
        {false, 127, "Code: 097F"}, {true, 0, "Code: 00"}, {true, 10, "Code: 0A"},
        {true, 16, "Code: 10"}, {true, 63, "Code: 3F"}};
    for (const auto& k : cases) {
        font.IsJukta = k.jukta;
        PutRecord(k.index, 10, 0, 1);
        transfer.LoadCharacter(k.index);
        EXPECT_EQ(controls.loc, k.caption);
    }
}

TEST_F(GlyphTransferTest, CodeFieldsShowTwoUpperCaseDigitsAndStoreBack) {
    font.IsJukta = true;
    PutRecord(3, 10, 1, 2);
    font.JuktaCodes(3, 0) = 7;
    font.JuktaCodes(3, 1) = 171;
    transfer.LoadCharacter(3);
    EXPECT_EQ(controls.jukta[0], "07");
    EXPECT_EQ(controls.jukta[1], "AB");
    controls.jukta[0] = "0";
    controls.jukta[1] = "ff";
    transfer.SaveCharacter(3);
    EXPECT_EQ(font.JuktaCodes(3, 0), 0);
    EXPECT_EQ(font.JuktaCodes(3, 1), 255);
}

TEST_F(GlyphTransferTest, HindiFontLeavesCodeFieldsAndCodePairsAlone) {
    PutRecord(3, 10, 1, 2);
    font.JuktaCodes(3, 0) = 9;
    controls.jukta[0] = "zz";
    transfer.LoadCharacter(3);
    EXPECT_EQ(controls.jukta[0], "zz");
    grid.OnLED(0, 0);
    transfer.SaveCharacter(3);
    EXPECT_EQ(font.JuktaCodes(3, 0), 9);
}

TEST_F(GlyphTransferTest, SaveCharacterStoresCanvasListsAndClass) {
    PutRecord(4, 10, 0, 1);
    transfer.LoadCharacter(4);
    grid.OnLED(15, 0);
    grid.OffLED(0, 0);
    controls.SetColsListIndex(13);   // "16"
    controls.SetCentreListIndex(14);  // "15"
    controls.SelectClass(GlyphClass::Vowel);
    transfer.SaveCharacter(4);
    GlyphRecord record(font.FontBytes, 4);
    EXPECT_EQ(record.ColumnCount(), 16);
    EXPECT_EQ(font.FontBytes(4, 1), 16 + 15);
    EXPECT_TRUE(record.IsLit(15, 0));
    EXPECT_FALSE(record.IsLit(0, 0));
    EXPECT_TRUE(record.IsLit(7, 7));
    for (int i = 0; i < 32; ++i) EXPECT_EQ(font.FontBytes(4, 2 + i), font.MapBytes(i));
}

TEST_F(GlyphTransferTest, ShowingAndStoringAShowableRecordKeepsItByteForByte) {
    const struct { int columns, glyphClass, centre; } cases[] = {
        {3, 0, 1}, {16, 2, 15}, {10, 1, 0}, {2, 0, 4}, {9, 2, 8}};
    for (const auto& k : cases) {
        PutRecord(6, k.columns, k.glyphClass, k.centre);
        const auto before = Record(6);
        transfer.LoadCharacter(6);
        grid.OnLED(0, 0);  // an edit undone again, so the store really runs
        grid.OffLED(0, 0);
        if (GlyphRecord(font.FontBytes, 6).IsLit(0, 0)) grid.OnLED(0, 0);
        transfer.SaveCharacter(6);
        EXPECT_EQ(Record(6), before) << k.columns << "/" << k.glyphClass << "/" << k.centre;
    }
}

TEST_F(GlyphTransferTest, ColumnCountTwoShowsNoSelectionAndALineAtTwenty) {
    PutRecord(1, 2, 0, 1);
    transfer.LoadCharacter(1);
    EXPECT_EQ(controls.colsIndex, -1);
    EXPECT_EQ(canvas.Point(20, 77), kGreen);
    EXPECT_EQ(canvas.Point(100, 77), kBlue) << "the old line for 10 columns is gone";
}

TEST_F(GlyphTransferTest, UnshowableColumnCountLoadsWithoutErrorAndIsNotRewritten) {
    for (int columns : {0, 1, 17, 255}) {
        PutRecord(2, columns, 0, 3);
        const auto before = Record(2);
        EXPECT_NO_THROW(transfer.LoadCharacter(2));
        EXPECT_EQ(controls.colsIndex, -1);
        EXPECT_EQ(controls.centreIndex, 2) << "the rest of the glyph is shown";
        EXPECT_EQ(controls.loc, "Code: 0902");
        EXPECT_NE(canvas.Point(20, 77), kGreen) << "no line for the empty selection";
        if (columns <= 16) {
            EXPECT_EQ(canvas.Point(static_cast<float>(10 * columns), 77), kGreen);
        }
        transfer.SaveCharacter(2);
        EXPECT_EQ(Record(2), before) << "count " << columns;
    }
}

TEST_F(GlyphTransferTest, EditingAnUnshowableRecordStoresWhatTheEditorShows) {
    PutRecord(2, 0, 0, 3);
    transfer.LoadCharacter(2);
    grid.OffLED(0, 0);
    transfer.SaveCharacter(2);
    EXPECT_EQ(font.FontBytes(2, 0), 2) << "no selection in the column list stores 2";
    EXPECT_FALSE(GlyphRecord(font.FontBytes, 2).IsLit(0, 0));
}

TEST_F(GlyphTransferTest, UnknownClassKeepsTheOptionsAndIsKeptUnlessEdited) {
    PutRecord(8, 10, 3, 4);
    controls.SelectClass(GlyphClass::Vowel);
    const auto before = Record(8);
    transfer.LoadCharacter(8);
    EXPECT_TRUE(controls.IsClassSelected(GlyphClass::Vowel));
    transfer.SaveCharacter(8);
    EXPECT_EQ(Record(8), before);
    transfer.LoadCharacter(8);
    grid.OnLED(9, 2);
    transfer.SaveCharacter(8);
    EXPECT_EQ(font.FontBytes(8, 1), 16 + 4) << "stepping away after an edit stores the option left selected";
}

TEST_F(GlyphTransferTest, StepsStoreTheGlyphAndStopAtBothEnds) {
    for (int c = 0; c < 128; ++c) PutRecord(c, 10, 0, 1);
    transfer.LoadCharacter(0);
    grid.OnLED(12, 12);
    transfer.ShowDecClick();
    EXPECT_EQ(font.CurChar, 0);
    EXPECT_TRUE(GlyphRecord(font.FontBytes, 0).IsLit(12, 12));
    EXPECT_TRUE(CanvasLit(12, 12)) << "glyph 0 shown again from its record";
    transfer.ShowIncClick();
    EXPECT_EQ(font.CurChar, 1);
    EXPECT_EQ(controls.loc, "Code: 0901");
    font.CurChar = 127;
    transfer.LoadCharacter(127);
    transfer.ShowIncClick();
    EXPECT_EQ(font.CurChar, 127);
    font.IsJukta = true;
    font.CurChar = 63;
    transfer.LoadCharacter(63);
    transfer.ShowIncClick();
    EXPECT_EQ(font.CurChar, 63);
    EXPECT_EQ(controls.loc, "Code: 3F");
}

TEST_F(GlyphTransferTest, SteppingBeforeAnyLoadNeverFailsNorTouchesTheZeroTable) {
    const FontTable zero;
    for (int i = 0; i < 5; ++i) ASSERT_NO_THROW(transfer.ShowIncClick());
    EXPECT_EQ(font.CurChar, 5);
    EXPECT_TRUE(font.FontBytes == zero);
    EXPECT_EQ(controls.colsIndex, -1);
    EXPECT_TRUE(CanvasLit(0, 0)) << "the canvas shows record 5: all cells lit";
    EXPECT_EQ(controls.loc, "Code: 0905");
    ASSERT_NO_THROW(transfer.ShowDecClick());
    EXPECT_EQ(font.CurChar, 4);
    EXPECT_TRUE(font.FontBytes == zero);
}

TEST_F(GlyphTransferTest, PaintingOnTheStartupCanvasIsStoredIntoGlyphZero) {
    grid.OnLED(1, 1);
    transfer.ShowIncClick();
    EXPECT_EQ(font.FontBytes(0, 0), 10);
    EXPECT_EQ(font.FontBytes(0, 1), 1);
    GlyphRecord record(font.FontBytes, 0);
    EXPECT_TRUE(record.IsLit(1, 1));
    EXPECT_FALSE(record.IsLit(0, 0));
}

TEST_F(GlyphTransferTest, BadCodeTextFailsAfterTheRecordBytesAndDoesNotStep) {
    font.IsJukta = true;
    PutRecord(3, 10, 0, 1);
    font.JuktaCodes(3, 0) = 1;
    font.JuktaCodes(3, 1) = 2;
    font.CurChar = 3;
    transfer.LoadCharacter(3);
    grid.OnLED(14, 2);
    controls.jukta[0] = "1F";
    controls.jukta[1] = "G1";
    EXPECT_THROW(transfer.ShowIncClick(), TypeMismatchError);
    EXPECT_EQ(font.CurChar, 3);
    EXPECT_TRUE(GlyphRecord(font.FontBytes, 3).IsLit(14, 2)) << "record bytes were stored first";
    EXPECT_EQ(font.JuktaCodes(3, 0), 0x1F) << "the first code was stored before the second failed";
    EXPECT_EQ(font.JuktaCodes(3, 1), 2);
    EXPECT_EQ(controls.jukta[1], "G1") << "the user's text stays for correcting";
    controls.jukta[1] = "";
    EXPECT_THROW(transfer.ShowIncClick(), TypeMismatchError);
    controls.jukta[1] = "c";
    transfer.ShowIncClick();
    EXPECT_EQ(font.JuktaCodes(3, 1), 0x0C);
    EXPECT_EQ(font.CurChar, 4);
}

TEST_F(GlyphTransferTest, ListClicksDrawTheLineAndPlaceTheMarker) {
    controls.SetColsListIndex(0);
    EXPECT_EQ(canvas.Point(30, 50), kGreen);
    EXPECT_EQ(canvas.Point(100, 50), kBlue);
    controls.SetColsListIndex(-1);
    EXPECT_EQ(canvas.Point(20, 50), kGreen);
    controls.SetCentreListIndex(14);
    EXPECT_FLOAT_EQ(controls.markerLeft, 240.0f + 14.0f * 158.4375f);
    controls.SetCentreListIndex(-1);
    EXPECT_FLOAT_EQ(controls.markerLeft, 240.0f - 158.4375f);
}

}  // namespace
}  // namespace ledfont
