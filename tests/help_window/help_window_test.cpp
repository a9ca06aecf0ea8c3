// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFrame>
#include <QTest>

#include "help_window/help_text.h"
#include "help_window/help_window.h"
#include "support/files.h"
#include "support/golden.h"

namespace {

// The 27 lines as the design gives them, ideographic spaces and trailing blanks included,
// from a fixture written from the design rather than from the code.
TEST(HelpText, IsTheDesignsTextCharacterForCharacter) {
    QString lines;
    for (int i = 0; i < help_window::kHelpLines; ++i) {
        lines += QString::fromUtf8(help_window::sourceLine(i)) + "\n";
    }
    EXPECT_EQ(lines, contentsOf(HELP_TEXT_FIXTURE));
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

// A screen reader reads the printed lines as text after Close, and finds each character where
// it is printed: the lines stack at one pitch, a character lies right after the one before it,
// a line's end right after its last character, and each character's middle is that character.
// Offsets outside the text and points beside it are no character.
TEST(HelpWindowTest, ReadsAsTextAfterCloseWithEachCharacterWhereItIsPrinted) {
    platform::ActivationTracker tracker;
    HelpWindow window(tracker);
    window.show();
    auto* canvas = window.findChild<QFrame*>(QStringLiteral("Picture1"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(canvas)->textInterface();
    ASSERT_NE(text, nullptr);
    const QStringList lines = help_window::helpText();
    const int count = text->characterCount();
    ASSERT_EQ(text->text(0, count), lines.join('\n'));
    const QRect first = text->characterRect(0);
    EXPECT_EQ(first.topLeft(), canvas->mapToGlobal(canvas->contentsRect().topLeft()));
    const int pitch =
        text->characterRect(static_cast<int>(lines[0].size()) + 1).top() - first.top();
    int offset = 0;
    for (int line = 0; line < lines.size(); ++line) {
        SCOPED_TRACE(line);
        for (int column = 0; column <= lines[line].size(); ++column, ++offset) {
            const QRect at = text->characterRect(offset);
            const int left =
                column == 0 ? first.left() : text->characterRect(offset - 1).right() + 1;
            EXPECT_EQ(at.topLeft(), QPoint(left, first.top() + line * pitch));
            // A line's end is no character: a point there, or past it, reads as none.
            EXPECT_EQ(text->offsetAtPoint(at.center()), column < lines[line].size() ? offset : -1);
        }
    }
    EXPECT_EQ(offset, count + 1);
    // Before the text and past its end; left of the last line, above the first, under the last.
    const QRect last = text->characterRect(count - 1);
    EXPECT_EQ(std::tuple(text->characterRect(-1), text->characterRect(count + 1)),
              std::tuple(QRect(), QRect()));
    for (const QPoint beside : {QPoint(first.left() - 1, last.top()),
                                first.topLeft() - QPoint(0, 1), last.bottomLeft() + QPoint(0, 1)}) {
        EXPECT_EQ(text->offsetAtPoint(beside), -1) << beside.x() << "," << beside.y();
    }
    auto* close = window.findChild<QWidget*>(QStringLiteral("Command1"));
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), canvas);
}

}  // namespace
