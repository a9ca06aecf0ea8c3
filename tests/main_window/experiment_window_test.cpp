// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "support/golden.h"
#include "support/hostile_targets.h"
#include "support/window_harness.h"

namespace {

// The window at start-up; every face of each die as the window shows it (a row a throw); the
// window with the table the throws made.
TEST(ExperimentWindowPicture, IsAsReviewedAtStartUpAndAfterKnownThrows) {
    const WindowHarness harness;
    harness.start();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-start"));
    const QRect dice(150, 44, 226, 72);
    QImage faces(dice.width(), dice.height() * 6, QImage::Format_RGB32);
    QPainter painter(&faces);
    for (int face = 1; face <= 6; ++face) {
        harness.throwManually(face, 7 - face);
        painter.drawImage(0, dice.height() * (face - 1),
                          windowPicture(harness.window.get()).copy(dice));
    }
    painter.end();
    for (const auto& [large, small] : {std::pair{3, 5}, {1, 1}, {5, 5}}) {
        harness.throwManually(large, small);
    }
    expectGolden(faces, QStringLiteral("dice-faces"));
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-after-throws"));
}

// What no picture shows: the fixed client area, the timers' intervals, Tab's order among the
// buttons; and a closed graph window is discarded, so that the next one starts blank.
TEST(ExperimentWindowControls, KeepTheirDesignedMakeUp) {
    const WindowHarness harness;
    harness.start();
    EXPECT_EQ(harness.window->minimumSize(), QSize(521, 480));
    EXPECT_EQ(harness.window->maximumSize(), QSize(521, 480));
    for (const auto& [timer, interval] :
         {std::pair{Timer::LargeDie, 50}, {Timer::SmallDie, 50}, {Timer::Run, 100}}) {
        const QTimer* found = harness.window->timer(timer);
        EXPECT_EQ(found->interval() * 10 + found->timerType(), interval * 10 + Qt::PreciseTimer);
    }
    std::vector<Button> order;
    QWidget* widget = harness.button(Button::StopDice);
    do {
        for (std::size_t i = 0; i < buttons::kButtonCount; ++i) {
            if (widget == harness.button(static_cast<Button>(i))) {
                order.push_back(static_cast<Button>(i));
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget != harness.button(Button::StopDice));
    EXPECT_EQ(order, (std::vector<Button>{Button::StopDice, Button::Exit, Button::Init,
                                          Button::GraphDisplay, Button::Help, Button::ThrowDice,
                                          Button::Automatic, Button::Stop}));
    harness.window->showGraph();
    const QPointer<GraphWindow> first = harness.window->graphWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    harness.window->showGraph();
    EXPECT_NE(harness.window->graphWindow(), nullptr);
}

// Each chime stops and closes what the last one left, then names, opens and sounds its file;
// Exit's notice says the program will end.
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
    EXPECT_EQ(harness.notice->shown[0].title + "|" + harness.notice->shown[0].text,
              "Pellorin|This software will exit.");
}

// Behind the notice nothing moves: the dice and the run stop before the chime and notice.
TEST(ExperimentWindowExit, FromTheFrameStopsTheDiceAndTheRunBeforeTheNotice) {
    for (const bool run : {false, true}) {
        const WindowHarness harness;
        harness.start();
        run ? harness.window->startRun() : harness.window->throwDice();
        bool moving = true;
        harness.notice->whileShown = [&] {
            moving = harness.moving(Timer::LargeDie) || harness.moving(Timer::SmallDie) ||
                     harness.moving(Timer::Run);
        };
        closeFromFrame(harness.window.get());
        EXPECT_FALSE(moving) << run;
        EXPECT_EQ(harness.programEnds, 1);
    }
}

// Copy (Ctrl+C) puts the table and the summary on the clipboard as tab-separated text and as
// HTML; Save (Ctrl+S) writes one row per experiment since Init as CSV: the exact bytes, for
// throws whose table, counts and ratios are worked out here by hand. Shift+F10 opens the menu,
// and the table's tooltip says so.
// A target that cannot take the file (a folder, a FIFO, a link to nothing, a vanished folder,
// a disk that fills): a notice names the file and the reason, and nothing there changes.
TEST(ExperimentTakeAway, CopiesAndSavesTheExactResults) {
    const WindowHarness harness;
    harness.start();
    for (const auto& [large, small] : {std::pair{1, 6}, {3, 5}, {3, 5}, {2, 2}, {5, 1}}) {
        harness.throwManually(large, small);
    }
    QTest::keySequence(harness.window.get(), QKeySequence::Copy);
    const char* const table[] = {"Large＼Small\t1\t2\t3\t4\t5\t6",
                                 "1\t0\t0\t0\t0\t0\t1",
                                 "2\t0\t1\t0\t0\t0\t0",
                                 "3\t0\t0\t0\t0\t2\t0",
                                 "4\t0\t0\t0\t0\t0\t0",
                                 "5\t1\t0\t0\t0\t0\t0",
                                 "6\t0\t0\t0\t0\t0\t0",
                                 "",
                                 "Number of experiments\t5",
                                 "Number of odd products\t3",
                                 "Percentage of odd products\t0.600"};
    QString text;
    QString html = "<meta charset=\"utf-8\">\n<table>\n";
    for (const char* line : table) {
        text += QString::fromUtf8(line) + "\n";
        const QStringList cells = QString::fromUtf8(line).split('\t', Qt::SkipEmptyParts);
        for (int i = 0; i < cells.size(); ++i) {
            const char* tag = line == table[0] ? "th scope=\"col\""
                              : i == 0         ? "th scope=\"row\""
                                               : "td";
            html += QString(i == 0 ? "<tr>" : "") + "<" + tag + ">" + cells[i] + "</" +
                    QString(tag).section(' ', 0, 0) + ">" +
                    (i + 1 == cells.size() ? "</tr>\n" : "");
        }
    }
    EXPECT_EQ(harness.clipboard->text, text);
    EXPECT_EQ(harness.clipboard->html, html + "</table>\n");

    QTemporaryDir folder;
    harness.dialog->answer = folder.filePath(QStringLiteral("throws.csv"));
    const auto saved = [&harness] {
        QFile file(harness.dialog->answer);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };
    QTest::keySequence(harness.window.get(), QKeySequence::Save);
    EXPECT_EQ(harness.dialog->suggested, "pellorin-throws.csv");
    const std::string header = "experiment,large,small,odd,odd_so_far,ratio\r\n";
    EXPECT_EQ(saved(), header +
                           "1,1,6,0,0,0.000\r\n2,3,5,1,1,0.500\r\n3,3,5,1,2,0.667\r\n"
                           "4,2,2,0,2,0.500\r\n5,5,1,1,3,0.600\r\n");
    // Resting the pointer on the table tells how to do it.
    EXPECT_EQ(harness.window->cell(3, 5)->toolTip(),
              "Right-click, or press Shift+F10:\nCopy results \u2014 Ctrl+C\n"
              "Save throws as CSV... \u2014 Ctrl+S\nOpen throws... \u2014 Ctrl+O\n"
              "Print... \u2014 Ctrl+P\nSave page as PDF...");
    QTest::keyClick(harness.window.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(harness.window->findChild<QMenu*>()->isVisible());
    harness.window->findChild<QMenu*>()->hide();
    expectEveryHostileTargetRefused(
        [&harness](const QString& path) {
            harness.dialog->answer = path;
            QTest::keySequence(harness.window.get(), QKeySequence::Save);
        },
        *harness.notice);
    harness.window->startAfresh();
    harness.dialog->answer = folder.filePath(QStringLiteral("throws.csv"));
    QTest::keySequence(harness.window.get(), QKeySequence::Save);
    EXPECT_EQ(saved(), header);
}

}  // namespace
