// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

// Every control keeps its design id, once: 8 buttons, 3 timers, 12 die faces, 36 cells, 22
// other labels, the rule and the sound control. Tests and outside tools find them by it.
TEST(ExperimentWindowControls, KeepTheirIdsOnce) {
    const WindowHarness harness;
    QStringList ids;
    for (const QObject* child : harness.window->children()) {
        ids << child->objectName();
    }
    ids = ids.filter(QRegularExpression(QStringLiteral(
        R"(^(Command[1-8]|Timer[1-3]|Image[12]\([1-6]\)|d[1-6][1-6]|Label\d+|Line1|MMControl1)$)")));
    EXPECT_EQ(ids.size(), 8 + 3 + 12 + 36 + 22 + 2);
    ids.removeDuplicates();
    EXPECT_EQ(ids.size(), 8 + 3 + 12 + 36 + 22 + 2);
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

// What a screen reader calls a control and says it means, after a throw of 3 and 5.
TEST(ExperimentWindowControls, TellAScreenReaderWhatTheyAreAndMean) {
    const WindowHarness harness;
    harness.start();
    harness.throwManually(3, 5);
    const std::vector<std::tuple<const char*, QAccessible::Role, const char*, const char*>>
        controls = {
            {"d35", QAccessible::StaticText, "Large 3, small 5: 1", "Large 3, small 5"},
            {"d11", QAccessible::StaticText, "Large 1, small 1: 0", "Large 1, small 1"},
            {"Label17", QAccessible::StaticText, "Number of experiments: 1",
             "Number of experiments"},
            {"Label8", QAccessible::StaticText, "Percentage of odd products: 1.000",
             "Percentage of odd products"},
            {"Label23", QAccessible::StaticText, "Large die 3", "Row of large die face 3"},
            {"Label18", QAccessible::StaticText, "Small die 5", "Column of small die face 5"},
            {"Image1(4)", QAccessible::Graphic, "", "Large die, face 4"},
            {"Image2(1)", QAccessible::Graphic, "", "Small die, face 1"}};
    for (const auto& [id, role, name, description] : controls) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(
            harness.window->findChild<QWidget*>(QString::fromUtf8(id)));
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->role(), role) << id;
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(name)) << id;
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

// "Copy results" (Ctrl+C) puts the table and the summary on the clipboard as tab-separated
// text and as HTML; read back, both agree with the window's own labels.
TEST(ExperimentTakeAway, CopiesTheTableAndTheSummaryAsTheWindowShowsThem) {
    const WindowHarness harness;
    harness.start();
    for (const auto& [large, small] : {std::pair{1, 6}, {3, 5}, {3, 5}, {2, 2}}) {
        harness.throwManually(large, small);
    }
    QTest::keySequence(harness.window.get(), QKeySequence::Copy);
    QStringList expected = {"Large\\Small", "1", "2", "3", "4", "5", "6"};
    for (int large = 1; large <= 6; ++large) {
        expected << QString::number(large);
        for (int small = 1; small <= 6; ++small) {
            expected << harness.label(QStringLiteral("d%1%2").arg(large).arg(small));
        }
    }
    expected << "Number of experiments" << harness.label("Label17") << "Number of odd products"
             << harness.label("Label4") << "Percentage of odd products" << harness.label("Label8");
    QStringList cells;
    for (const QString& line : harness.clipboard->text.split('\n', Qt::SkipEmptyParts)) {
        cells << line.split('\t');
    }
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(harness.clipboard->text.count('\n'), 11);  // 7 table rows, a blank, 3 values
    cells.clear();
    const QRegularExpression cell(QStringLiteral("<t[hd]>([^<]*)</t[hd]>"));
    for (const auto& match : cell.globalMatch(harness.clipboard->html)) {
        cells << match.captured(1);
    }
    EXPECT_EQ(cells, expected);
}

// "Save throws as CSV" (Ctrl+S) writes one row per experiment since Init, read back with
// Python's csv reader: each row's counts and ratio are the ones the window showed after it.
TEST(ExperimentTakeAway, SavesEveryThrowSinceInitAsCsv) {
    const WindowHarness harness;
    harness.start();
    QStringList expected = {"experiment|large|small|odd|odd_so_far|ratio"};
    const std::vector<std::pair<int, int>> throws = {{1, 6}, {3, 5}, {2, 2}, {5, 1}, {4, 3}};
    for (const auto& [large, small] : throws) {
        harness.throwManually(large, small);
        expected << QStringList{harness.label("Label17"), QString::number(large),
                                QString::number(small),   QString::number(large * small % 2),
                                harness.label("Label4"),  harness.label("Label8")}
                        .join('|');
    }
    QTemporaryDir folder;
    harness.dialog->answer = folder.filePath(QStringLiteral("throws.csv"));
    const auto readBack = [&harness] {
        QProcess python;
        python.start("python3", {"-c",
                                 "import csv, sys\n"
                                 "for row in csv.reader(open(sys.argv[1], newline='')):\n"
                                 "    print('|'.join(row))",
                                 harness.dialog->answer});
        python.waitForFinished();
        return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    };
    QTest::keySequence(harness.window.get(), QKeySequence::Save);
    EXPECT_EQ(harness.dialog->suggested, "pellorin-throws.csv");
    EXPECT_EQ(readBack(), expected);
    harness.window->startAfresh();
    harness.window->saveThrows();
    EXPECT_EQ(readBack(), expected.mid(0, 1));
}

// A folder, or a folder that has vanished, under the chosen name: a notice names the file and
// the reason, nothing is written, and the experiment goes on.
TEST(ExperimentTakeAway, AFileThatCannotBeWrittenIsToldAndChangesNothing) {
    const WindowHarness harness;
    harness.start();
    harness.throwManually(3, 3);
    QTemporaryDir folder;
    for (const QString& path : {folder.path(), folder.filePath("gone/throws.csv")}) {
        harness.dialog->answer = path;
        harness.window->saveThrows();
        ASSERT_FALSE(harness.notice->shown.empty());
        EXPECT_TRUE(harness.notice->shown.back().text.startsWith(path + " could not be saved: "));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
    harness.throwManually(2, 2);
    EXPECT_EQ(harness.label("Label17"), "2");
}

// While the dice spin or a run goes the numbers change: the menu's entries are disabled, and
// the shortcuts do nothing.
TEST(ExperimentTakeAway, IsUnavailableWhileSomethingMoves) {
    const WindowHarness harness;
    harness.start();
    auto* menu = harness.window->findChild<QMenu*>();
    for (const auto start : {&ExperimentWindow::throwDice, &ExperimentWindow::startRun}) {
        (harness.window.get()->*start)();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 300), QPoint(100, 300));
        QCoreApplication::sendEvent(harness.window.get(), &click);
        for (const QAction* entry : menu->actions()) {
            EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
        }
        menu->hide();
        harness.window->copyResults();
        EXPECT_TRUE(harness.clipboard->text.isEmpty());
        harness.window->stopDice();
        harness.window->stopRun();
    }
}

}  // namespace
