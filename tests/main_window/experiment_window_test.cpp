// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPainter>
#include <QTest>

#include "support/golden.h"
#include "support/window_harness.h"

namespace {

// The window at start-up, as a pupil first sees it.
TEST(ExperimentWindowPicture, AtStartUpIsAsReviewed) {
    const WindowHarness harness;
    harness.start();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-start"));
}

// Throws that show every face on each die, each pair of dice pictured as the window shows
// it, one row a throw; then the whole window with the table they made.
TEST(ExperimentWindowPicture, AfterKnownThrowsIsAsReviewed) {
    const WindowHarness harness;
    harness.start();
    const QRect dice(150, 44, 226, 72);
    const std::vector<std::pair<int, int>> throws = {{1, 6}, {2, 5}, {3, 4}, {4, 3}, {5, 2},
                                                     {6, 1}, {3, 5}, {1, 1}, {5, 5}};
    QImage faces(dice.width(), dice.height() * 6, QImage::Format_RGB32);
    QPainter painter(&faces);
    for (std::size_t i = 0; i < throws.size(); ++i) {
        harness.throwManually(throws[i].first, throws[i].second);
        if (i < 6) {
            painter.drawImage(0, dice.height() * static_cast<int>(i),
                              windowPicture(harness.window.get()).copy(dice));
        }
    }
    painter.end();
    expectGolden(faces, QStringLiteral("dice-faces"));
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-after-throws"));
}

// Every control keeps its design id, once: tests and outside tools find controls by it.
TEST(ExperimentWindowControls, KeepTheirIdsOnce) {
    const WindowHarness harness;
    QStringList expected = {"Line1", "MMControl1", "Timer1", "Timer2", "Timer3"};
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26}) {
        expected << QStringLiteral("Label%1").arg(i);
    }
    for (int i = 1; i <= 8; ++i) {
        expected << QStringLiteral("Command%1").arg(i);
    }
    for (int i = 1; i <= 36; ++i) {
        expected << QStringLiteral("d%1%2").arg((i - 1) / 6 + 1).arg((i - 1) % 6 + 1);
        expected << (i <= 12
                         ? QStringLiteral("Image%1(%2)").arg((i - 1) / 6 + 1).arg((i - 1) % 6 + 1)
                         : QString());
    }
    QStringList ids = {QString()};
    for (const QObject* child : harness.window->children()) {
        ids << (child->objectName().startsWith(QLatin1String("qt_")) ? QString()
                                                                     : child->objectName());
    }
    ids.removeAll(QString());
    expected.removeAll(QString());
    ids.sort();
    expected.sort();
    EXPECT_EQ(ids, expected);
}

TEST(ExperimentWindowControls, TabMovesAmongTheButtonsInTheDesignedOrder) {
    const WindowHarness harness;
    QStringList order;
    QWidget* widget = harness.button(Button::StopDice);
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != harness.button(Button::StopDice));
    EXPECT_EQ(order.join(' '),
              "Command2 Command4 Command5 Command6 Command7 Command8 Command1 "
              "Command3");
}

// What a screen reader says of a control beside the text it shows.
TEST(ExperimentWindowControls, TellAScreenReaderWhatTheyMean) {
    const WindowHarness harness;
    const std::vector<std::tuple<const char*, QAccessible::Role, const char*>> controls = {
        {"d35", QAccessible::StaticText, "Large 3, small 5"},
        {"Label17", QAccessible::StaticText, "Number of experiments"},
        {"Label23", QAccessible::StaticText, "Row of large die face 3"},
        {"Label18", QAccessible::StaticText, "Column of small die face 5"},
        {"Image1(4)", QAccessible::Graphic, "Large die, face 4"},
        {"Image2(1)", QAccessible::Graphic, "Small die, face 1"}};
    for (const auto& [id, role, description] : controls) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(
            harness.window->findChild<QWidget*>(QString::fromUtf8(id)));
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->role(), role) << id;
        EXPECT_EQ(control->text(QAccessible::Description), QString::fromUtf8(description)) << id;
    }
}

// Each chime stops and closes what the last one left, then names, opens and sounds its file.
TEST(ExperimentWindowChimes, InitHelpAndExitEachSoundTheirChimeOnce) {
    const WindowHarness harness;
    harness.start();
    const auto chime = [](const QString& file) {
        return QStringList{"Stop", "Close", "File " + file, "Open", "Sound"};
    };
    harness.window->showGraph();
    harness.window->startAfresh();
    harness.window->showHelp();
    harness.window->exitProgram();
    EXPECT_EQ(harness.sound->log,
              chime("pinpon.wav") + chime("pinpon.wav") + chime("endpinpon.wav"));
    ASSERT_EQ(harness.notice->shown.size(), 1U);
    EXPECT_EQ(harness.notice->shown[0].title, "Pellorin");
    EXPECT_EQ(harness.notice->shown[0].text, "This software will exit.");
}

// Behind the notice nothing moves: the dice and the run stop before the chime and notice.
TEST(ExperimentWindowExit, FromTheFrameStopsTheDiceAndTheRunBeforeTheNotice) {
    for (const bool run : {false, true}) {
        WindowHarness harness;
        harness.start();
        run ? harness.window->startRun() : harness.window->throwDice();
        bool moving = true;
        QString countBefore;
        QString countAfter;
        harness.notice->whileShown = [&] {
            moving = harness.moving(1) || harness.moving(2) || harness.moving(3);
            countBefore = harness.label("Label17");
            QTest::qWait(350);
            countAfter = harness.label("Label17");
        };
        closeFromFrame(harness.window.get());
        EXPECT_FALSE(moving) << (run ? "run" : "dice");
        EXPECT_EQ(countAfter, countBefore);
        EXPECT_EQ(harness.programEnds, 1);
    }
}

}  // namespace
