#include <gtest/gtest.h>

#include <QGroupBox>
#include <QTest>
#include <QWidget>
#include <array>

#include "CommandButton.h"
#include "Error.h"
#include "MessageBox.h"
#include "OptionButton.h"
#include "WidgetLookup.h"

namespace {

using ledfont::CommandButton;
using ledfont::OptionButton;

TEST(CommandButton, ClickRunsTheHandlerOnce) {
    CommandButton button(Q("Load"));
    int clicks = 0;
    button.SetClickHandler([&] { ++clicks; });
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(CommandButton, DisabledButtonRaisesNoClick) {
    CommandButton button(Q("Save"));
    int clicks = 0;
    button.SetClickHandler([&] { ++clicks; });
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
}

// Return and Enter press the focused button as Space does; other keys do not.
TEST(CommandButton, ReturnEnterAndSpaceOnTheFocusedButtonPressItOnce) {
    CommandButton button(Q("Load"));
    int clicks = 0;
    button.SetClickHandler([&] { ++clicks; });
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Escape);
    EXPECT_EQ(clicks, 3);
}

TEST(CommandButton, FailureOfAClickIsShownAsErrorBox) {
    CommandButton button(Q(">>"));
    button.SetClickHandler([] { throw ledfont::TypeMismatchError("Type mismatch"); });
    ledfont::MessageBoxInterceptor boxes;
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, Q("Error"));
    EXPECT_EQ(boxes.shown()[0].text, Q("Type mismatch"));
    EXPECT_EQ(boxes.shown()[0].style, 16);
}

// Three class options in one frame, two mode options in another, as the window has them.
struct TwoGroups : testing::Test {
    TwoGroups() {
        for (std::size_t i = 0; i < classes.size(); ++i) classes[i] = new OptionButton(Q("class"), &classFrame);
        for (std::size_t i = 0; i < modes.size(); ++i) modes[i] = new OptionButton(Q("mode"), &modeFrame);
        classes[0]->SetValue(true);
        modes[0]->SetValue(true);
    }
    QWidget window;
    QGroupBox classFrame{&window};
    QGroupBox modeFrame{&window};
    std::array<OptionButton*, 3> classes{};
    std::array<OptionButton*, 2> modes{};
};

TEST_F(TwoGroups, SelectingAnOptionClearsOnlyItsOwnGroup) {
    classes[2]->SetValue(true);
    EXPECT_FALSE(classes[0]->Value());
    EXPECT_FALSE(classes[1]->Value());
    EXPECT_TRUE(classes[2]->Value());
    EXPECT_TRUE(modes[0]->Value());
    EXPECT_FALSE(modes[1]->Value());
}

TEST_F(TwoGroups, ClickingAnOptionSelectsItWithinItsGroup) {
    window.show();
    modes[1]->click();
    EXPECT_FALSE(modes[0]->Value());
    EXPECT_TRUE(modes[1]->Value());
    EXPECT_TRUE(classes[0]->Value());
}

TEST_F(TwoGroups, ClearingTheSelectedOptionLeavesNoneSelected) {
    classes[0]->SetValue(false);
    for (const OptionButton* option : classes) EXPECT_FALSE(option->Value());
    classes[1]->SetValue(true);  // the group still works afterwards
    classes[2]->SetValue(true);
    EXPECT_FALSE(classes[1]->Value());
}

TEST(MessageBox, InterceptorRecordsWhatWouldBeShown) {
    ledfont::MessageBoxInterceptor boxes;
    ledfont::ShowMessageBox(nullptr, Q("File not found"), 16, Q("Error Loading File"));
    ledfont::ShowMessageBox(nullptr, Q("Disk full"), 16, Q("Error Saving File"));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].title, Q("Error Loading File"));
    EXPECT_EQ(boxes.shown()[0].text, Q("File not found"));
    EXPECT_EQ(boxes.shown()[0].style, 16);
    EXPECT_EQ(boxes.shown()[1].title, Q("Error Saving File"));
    EXPECT_EQ(boxes.shown()[1].text, Q("Disk full"));
}

TEST(MessageBox, InnerInterceptorHandsBackToTheOuterOne) {
    ledfont::MessageBoxInterceptor outer;
    {
        ledfont::MessageBoxInterceptor inner;
        ledfont::ShowMessageBox(nullptr, Q("inner"), 16, Q("Error"));
        EXPECT_EQ(inner.shown().size(), 1u);
    }
    ledfont::ShowMessageBox(nullptr, Q("outer"), 16, Q("Error"));
    ASSERT_EQ(outer.shown().size(), 1u);
    EXPECT_EQ(outer.shown()[0].text, Q("outer"));
}

}  // namespace
