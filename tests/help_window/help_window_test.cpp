// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QTest>

#include "help_window/help_text.h"
#include "help_window/help_window.h"
#include "support/golden.h"

namespace {

// The 27 lines as the design gives them, ideographic spaces and trailing blanks included,
// from a fixture written from the design rather than from the code.
TEST(HelpText, IsTheDesignsTextCharacterForCharacter) {
    QFile fixture(QStringLiteral(HELP_TEXT_FIXTURE));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QString lines;
    for (int i = 0; i < help_window::kHelpLines; ++i) {
        lines += QString::fromUtf8(help_window::sourceLine(i)) + "\n";
    }
    EXPECT_EQ(lines, fixture.readAll());
}

// The printed text, once, from the second line; a second activation prints the same. At the
// bottom row of "Close" the button is on top, not the rule under the top row.
TEST(HelpWindowTest, PrintsTheTextAsReviewed) {
    platform::ActivationTracker tracker;
    HelpWindow window(tracker);
    window.show();
    window.onActivated();
    window.onActivated();
    expectGolden(windowPicture(&window), QStringLiteral("help-window"));
    auto* close = window.findChild<QWidget*>(QStringLiteral("Command1"));
    EXPECT_EQ(window.childAt(close->geometry().center().x(), close->geometry().bottom()), close);
}

// A screen reader reads the printed lines as text, and reaches them after Close.
TEST(HelpWindowTest, ReadsAsTextAfterClose) {
    platform::ActivationTracker tracker;
    HelpWindow window(tracker);
    window.show();
    auto* canvas = window.findChild<QWidget*>(QStringLiteral("Picture1"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(canvas)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), help_window::helpText().join('\n'));
    auto* close = window.findChild<QWidget*>(QStringLiteral("Command1"));
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), canvas);
}

}  // namespace
