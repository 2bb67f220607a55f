#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <vector>

#include "ComboBox.h"
#include "Error.h"
#include "WidgetLookup.h"

namespace {

using ledfont::ComboBox;

// A column list as the window fills it, and a record of every Click with the
// index that was selected while it ran.
struct ColumnList : testing::Test {
    ColumnList() {
        for (int n = 3; n <= 16; ++n) box.AddItem(QString::number(n));
        box.SetClickHandler([this] { clicks.push_back(box.ListIndex()); });
    }
    ComboBox box;
    std::vector<int> clicks;
};

TEST_F(ColumnList, WritingListIndexRunsClickBeforeItReturns) {
    box.SetListIndex(7);
    EXPECT_EQ(clicks, std::vector<int>{7});
    EXPECT_EQ(box.currentText(), Q("10"));
}

TEST_F(ColumnList, WritingTheSameIndexAgainRunsClickAgain) {
    box.SetListIndex(7);
    box.SetListIndex(7);
    EXPECT_EQ(clicks, (std::vector<int>{7, 7}));
}


class ColumnListRefuses : public ColumnList, public testing::WithParamInterface<int> {};

TEST_P(ColumnListRefuses, IndexOutsideTheListWithInvalidPropertyAndChangesNothing) {
    box.SetListIndex(4);
    clicks.clear();
    try {
        box.SetListIndex(GetParam());
        FAIL() << "index " << GetParam() << " was accepted";
    } catch (const ledfont::InvalidPropertyError& error) {
        EXPECT_EQ(error.Number(), ledfont::ErrorNumber::InvalidPropertyValue);
        EXPECT_EQ(error.Description(),
                  "list index " + std::to_string(GetParam()) + " is outside -1..13 [Invalid property value]");
    }
    EXPECT_EQ(box.ListIndex(), 4);
    EXPECT_EQ(box.currentText(), Q("7"));
    EXPECT_TRUE(clicks.empty());
}

INSTANTIATE_TEST_SUITE_P(Indexes, ColumnListRefuses, testing::Values(14, -2, 100, -100));

TEST_F(ColumnList, MinusOneClearsTheSelection) {
    box.SetListIndex(3);
    box.SetListIndex(-1);
    EXPECT_EQ(box.ListIndex(), -1);
    EXPECT_EQ(box.currentText(), QString());
    EXPECT_EQ(box.lineEdit()->text(), QString());
}

TEST_F(ColumnList, LastItemIsAccepted) {
    box.SetListIndex(13);
    EXPECT_EQ(box.currentText(), Q("16"));
    EXPECT_EQ(clicks, std::vector<int>{13});
}

TEST_F(ColumnList, UserChoiceWithTheKeyboardRunsClick) {
    box.SetListIndex(2);
    clicks.clear();
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.ListIndex(), 3);
    EXPECT_EQ(clicks, std::vector<int>{3});
}

// Replaces the text of the edit field as a user would and presses Enter.
void Type(ComboBox& box, const char* text) {
    box.lineEdit()->selectAll();
    QTest::keyClicks(box.lineEdit(), Q(text));
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
}

TEST_F(ColumnList, TypingAnItemSelectsItAndRunsClickOnce) {
    box.SetListIndex(7);
    clicks.clear();
    Type(box, "12");
    EXPECT_EQ(box.ListIndex(), 9);
    EXPECT_EQ(clicks, std::vector<int>{9});
}

TEST_F(ColumnList, TypingSomethingElseRestoresTheSelectedItemsText) {
    box.SetListIndex(7);
    clicks.clear();
    Type(box, "99");
    EXPECT_EQ(box.ListIndex(), 7);
    EXPECT_EQ(box.lineEdit()->text(), Q("10"));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(box.count(), 14);  // nothing is added to the list
}

TEST_F(ColumnList, ItemsKeepTheOrderTheyWereAddedIn) {
    ComboBox unsorted;
    for (const char* text : {"3", "10", "4"}) unsorted.AddItem(Q(text));
    EXPECT_EQ(unsorted.itemText(0), Q("3"));
    EXPECT_EQ(unsorted.itemText(1), Q("10"));
    EXPECT_EQ(unsorted.itemText(2), Q("4"));
}

}  // namespace
