#include "graph/Navigation.h"

#include <Qt>

#include <gtest/gtest.h>

namespace {

ViewState ViewOf(int first, int count, int pointer) {
    ViewState view;
    view.viewFirst = static_cast<uint16_t>(first);
    view.viewCount = static_cast<uint16_t>(count);
    view.pointerIndex = static_cast<uint16_t>(pointer);
    return view;
}

const QString Blank = QStringLiteral(" ");
const QString AtLast = QStringLiteral("Это последнее измерение в области видимости ");
const QString AtFirst = QStringLiteral("Это первое измерение в области видимости ");

TEST(NavigationTest, RightMovesOnUntilTheLastVisibleThenSaysSo) {
    ViewState view = ViewOf(5, 3, 6);
    EXPECT_EQ(StepPointerRight(view), Blank);
    EXPECT_EQ(view.pointerIndex, 7);
    EXPECT_EQ(StepPointerRight(view), AtLast);
    EXPECT_EQ(view.pointerIndex, 7);
}

TEST(NavigationTest, LeftMovesBackUntilTheFirstVisibleThenSaysSo) {
    ViewState view = ViewOf(5, 3, 6);
    EXPECT_EQ(StepPointerLeft(view), Blank);
    EXPECT_EQ(view.pointerIndex, 5);
    EXPECT_EQ(StepPointerLeft(view), AtFirst);
    EXPECT_EQ(view.pointerIndex, 5);
}

TEST(NavigationTest, LeftBringsAPointerBeforeTheViewBackToItsFirstMeasurement) {
    ViewState view = ViewOf(5, 3, 2); // a click left of the axis in a zoomed view
    EXPECT_EQ(StepPointerLeft(view), AtFirst);
    EXPECT_EQ(view.pointerIndex, 5);
}

TEST(NavigationTest, OneMeasurementViewGivesBothMessagesAndNeverMoves) {
    ViewState view = ViewOf(4, 1, 4);
    EXPECT_EQ(StepPointerRight(view), AtLast);
    EXPECT_EQ(StepPointerLeft(view), AtFirst);
    EXPECT_EQ(view.pointerIndex, 4);
}

TEST(NavigationTest, HomeClearsThePanelEndLeavesIt) {
    ViewState view = ViewOf(5, 10, 9);
    EXPECT_EQ(PointerToFirst(view), Blank);
    EXPECT_EQ(view.pointerIndex, 5);
    EXPECT_EQ(PointerToLast(view), std::nullopt);
    EXPECT_EQ(view.pointerIndex, 14);
}

struct KeyCase {
    int key;
    bool keypad;
    NavigationCommand command;
};

class NavigationKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(NavigationKeyTest, MapsKeys) {
    const KeyCase c = GetParam();
    EXPECT_EQ(NavigationKey(c.key, c.keypad), c.command) << c.key << (c.keypad ? " keypad" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NavigationKeyTest,
    testing::Values(KeyCase{Qt::Key_End, false, NavigationCommand::End},
                    KeyCase{Qt::Key_End, true, NavigationCommand::End}, // keypad 1 without Num Lock
                    KeyCase{Qt::Key_Home, false, NavigationCommand::Home},
                    KeyCase{Qt::Key_4, true, NavigationCommand::Left},
                    KeyCase{Qt::Key_6, true, NavigationCommand::Right},
                    KeyCase{Qt::Key_4, false, NavigationCommand::None}, // the digit row
                    KeyCase{Qt::Key_6, false, NavigationCommand::None},
                    KeyCase{Qt::Key_Left, true, NavigationCommand::Left}, // keypad 4 without Num Lock
                    KeyCase{Qt::Key_Left, false, NavigationCommand::Left},
                    KeyCase{Qt::Key_Right, false, NavigationCommand::Right},
                    KeyCase{Qt::Key_PageDown, false, NavigationCommand::None}));

} // namespace
