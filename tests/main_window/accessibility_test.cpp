// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "picture_box.h"
#include "support/window_harness.h"

namespace {

struct Reading {
    const char* control;
    QAccessible::Role role;
    const char* description;
};

void PrintTo(const Reading& r, std::ostream* os) {
    *os << r.control;
}

class ScreenReaderReading : public ::testing::TestWithParam<Reading> {
protected:
    WindowHarness harness;
};

// What a screen reader gets: the role, the shown text as the name, the meaning as description.
TEST_P(ScreenReaderReading, GivesTheRoleAndTheMeaning) {
    auto* widget = harness.form->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(widget, nullptr);
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(reading->role(), GetParam().role);
    EXPECT_EQ(reading->text(QAccessible::Description), QString::fromUtf8(GetParam().description));
    EXPECT_TRUE(widget->accessibleName().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ScreenReaderReading,
    ::testing::Values(Reading{"Label17", QAccessible::StaticText, "Number of experiments"},
                      Reading{"Label4", QAccessible::StaticText, "Number of odd products"},
                      Reading{"Label8", QAccessible::StaticText, "Percentage of odd products"},
                      Reading{"d35", QAccessible::StaticText, "Large 3, small 5"},
                      Reading{"d61", QAccessible::StaticText, "Large 6, small 1"},
                      Reading{"Label23", QAccessible::StaticText, "Row of large die face 3"},
                      Reading{"Label18", QAccessible::StaticText, "Column of small die face 5"},
                      Reading{"Image1(4)", QAccessible::Graphic, "Large die, face 4"},
                      Reading{"Image2(1)", QAccessible::Graphic, "Small die, face 1"},
                      Reading{"Command8", QAccessible::Button, ""}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.control).remove('(').remove(')').toStdString();
    });

TEST(ScreenReader, LabelsReadTheTextTheyShow) {
    WindowHarness harness;
    harness.start();
    harness.throwManually(3, 5);
    auto* cell = harness.form->findChild<QWidget*>(QStringLiteral("d35"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(cell)->text(QAccessible::Name), "1");
}

TEST(ScreenReader, GraphCanvasDescribesWhatItDraws) {
    WindowHarness harness;
    harness.start();
    harness.throwManually(1, 1);
    harness.throwManually(2, 1);
    harness.form->showGraph();
    harness.form->graphWindow()->onActivated();
    auto* canvas = harness.form->graphWindow()->findChild<QWidget*>(QStringLiteral("Picture1"));
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(canvas);
    EXPECT_EQ(reading->role(), QAccessible::Graphic);
    EXPECT_EQ(reading->text(QAccessible::Description),
              "Ratio of odd products: 2 experiments drawn, latest ratio 0.500; dashed reference "
              "line at 1/4");
}

TEST(ScreenReader, HelpCanvasExposesItsText) {
    WindowHarness harness;
    harness.form->showHelp();
    auto* canvas = harness.form->helpWindow()->findChild<QWidget*>(QStringLiteral("Picture1"));
    const QString text =
        QAccessible::queryAccessibleInterface(canvas)->text(QAccessible::Description);
    EXPECT_EQ(text.count('\n'), 26);
    EXPECT_TRUE(text.contains(QStringLiteral("【Operation method】")));
}

TEST(Keyboard, EnterClicksTheFocusedButton) {
    WindowHarness harness;
    harness.start();
    QPushButton* throwButton = harness.button(8);
    throwButton->setFocus();
    QTest::keyClick(throwButton, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return harness.timer(1)->isActive(); }, 2000));
    EXPECT_EQ(harness.enabledButtons(), "2");
}

// Throwing from the keyboard disables the focused button: the focus must move to a button
// that can still be used.
TEST(Keyboard, FocusMovesOnToAnUsableButtonWhenItsButtonIsDisabled) {
    WindowHarness harness;
    harness.start();
    harness.button(8)->setFocus();
    harness.form->throwDice();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->isEnabled());
    EXPECT_EQ(focused, harness.button(2));
}

}  // namespace
