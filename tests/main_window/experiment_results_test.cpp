// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include "drawings/results_page.h"
#include "experiment_core/mixing_generator.h"
#include "main_window/experiment_results.h"
#include "support/files.h"
#include "support/golden.h"
#include "support/pdf.h"
#include "support/window_harness.h"

namespace {

void open(const WindowHarness& harness, const QStringList& files) {
    harness.dialog->opened = files;
    harness.window->results()->openThrows();
}

// Throws whose table, counts and ratios are worked out here by hand. Copy (Ctrl+C) puts the
// table and the summary on the clipboard as tab-separated text and as HTML; Save (Ctrl+S)
// writes one row per experiment since Init as CSV, the exact bytes; the page saved as PDF from
// either window holds the same words under the title and today's date.
TEST(ExperimentResults, CopiesSavesAndPrintsTheExactResults) {
    const WindowHarness harness;
    harness.start();
    for (const auto& [large, small] : {std::pair{1, 6}, {3, 5}, {3, 5}, {2, 2}, {5, 1}}) {
        harness.throwManually(large, small);
    }
    QTest::keySequence(harness.window.get(), QKeySequence::Copy);
    expectGolden(copiedText(), "copied-results.txt");
    expectGolden(copiedHtml(), "copied-results.html");

    const QTemporaryDir folder;
    harness.dialog->answer = folder.filePath("throws.csv");
    // Pupils saving into one class folder are offered names of the minute they save in.
    const auto nameAt = [](const QDateTime& time) {
        return time.toString("'pellorin-throws-'yyyy-MM-dd-HHmm'.csv'");
    };
    const QDateTime before = QDateTime::currentDateTime();
    QTest::keySequence(harness.window.get(), QKeySequence::Save);
    EXPECT_THAT(harness.dialog->suggested,
                testing::AnyOf(nameAt(before), nameAt(QDateTime::currentDateTime())));
    EXPECT_EQ(harness.dialog->usedPaths, QStringList(harness.dialog->answer));
    const QByteArray header = "experiment,large,small,odd,odd_so_far,ratio\r\n";
    EXPECT_EQ(contentsOf(harness.dialog->answer),
              header +
                  "1,1,6,0,0,0.000\r\n2,3,5,1,1,0.500\r\n3,3,5,1,2,0.667\r\n"
                  "4,2,2,0,2,0.500\r\n5,5,1,1,3,0.600\r\n");

    const QString today = QDate::currentDate().toString("dddd, MMMM d, yyyy");
    harness.window->showGraph();
    for (QWidget* window : {static_cast<QWidget*>(harness.window.get()),
                            static_cast<QWidget*>(harness.window->graphWindow())}) {
        harness.dialog->answer = folder.filePath(window->objectName() + ".pdf");
        for (QAction* entry : window->actions()) {
            entry->text() == "Save page as PDF..." ? entry->trigger() : void();
        }
        EXPECT_EQ(harness.dialog->suggested, "pellorin-results.pdf");
        expectGolden(pdfText(harness.dialog->answer).replace(today, "TODAY"), "results-page.txt");
    }
    harness.window->graphWindow()->close();

    harness.window->startAfresh();
    harness.dialog->answer = folder.filePath("throws.csv");
    QTest::keySequence(harness.window.get(), QKeySequence::Save);
    EXPECT_EQ(contentsOf(harness.dialog->answer), header);
}

// What a pupil sees of an experiment: the window, then the graph it opens.
std::pair<QImage, QImage> picturesOf(const WindowHarness& harness) {
    const QImage window = windowPicture(harness.window.get());
    harness.window->showGraph();
    harness.window->graphWindow()->onActivated();
    const QImage graph = windowPicture(harness.window->graphWindow());
    harness.window->graphWindow()->close();
    harness.window->show();
    return {window, graph};
}

// A pupil's 1002 experiments, saved: three by hand, a run stopped at 1000, two more by hand
// (the graph shows only the first 1000). Opened, with CRLF as written or with LF, they give
// the same window and graph, and save the same file. A window that holds experiments asks
// first; No keeps them, Yes pools the files.
TEST(ExperimentResults, OpenedThrowsGiveBackTheWindowThatSavedThemAndPool) {
    const QTemporaryDir folder;
    const QString saved = folder.filePath("pupil.csv");
    const WindowHarness pupil(std::make_unique<experiment_core::MixingGenerator>(2026));
    pupil.start();
    for (int n = 0; n < 5; ++n) {
        if (n == 3) {
            pupil.window->session()->startRun();
            while (pupil.window->session()->tally().record().experimentCount < 1000) {
                pupil.window->session()->runStep();
            }
            pupil.window->session()->stopRun();
        }
        pupil.window->session()->throwDice();
        pupil.window->session()->stopDice();
    }
    pupil.dialog->answer = saved;
    pupil.window->results()->saveThrows();
    const auto pupilPictures = picturesOf(pupil);
    write(folder.filePath("lf.csv"), contentsOf(saved).replace("\r\n", "\n"));
    for (const char* name : {"pupil.csv", "lf.csv"}) {
        const WindowHarness teacher;
        teacher.start();
        open(teacher, {folder.filePath(name)});
        EXPECT_TRUE(teacher.notice->shown.empty()) << "nothing to ask of an empty window";
        EXPECT_EQ(teacher.dialog->usedPaths, QStringList(folder.filePath(name)));
        EXPECT_TRUE(picturesOf(teacher) == pupilPictures) << name;
        teacher.dialog->answer = folder.filePath("again.csv");
        teacher.window->results()->saveThrows();
        EXPECT_EQ(contentsOf(teacher.dialog->answer), contentsOf(saved)) << name;
    }

    const WindowHarness teacher;
    teacher.start();
    teacher.throwManually(2, 4);
    const QImage before = windowPicture(teacher.window.get());
    teacher.notice->yes = false;
    open(teacher, {saved, saved});
    ASSERT_EQ(teacher.notice->shown.size(), 1U);
    EXPECT_EQ(teacher.notice->shown.back().text,
              "The 1 experiment in the window will be replaced by those in the files. "
              "Open them?");
    EXPECT_EQ(windowPicture(teacher.window.get()), before);
    teacher.notice->yes = true;
    open(teacher, {saved, saved});
    for (int cell = 0; cell < 36; ++cell) {
        EXPECT_EQ(teacher.cell(cell / 6 + 1, cell % 6 + 1).toInt(),
                  2 * pupil.cell(cell / 6 + 1, cell % 6 + 1).toInt());
    }
    // A screen reader hears the pooled totals after the last throw, as after throwing it.
    const QString last = "Large 1, small 6: even product. ";
    EXPECT_EQ(pupil.announcer->said.back(), last + "1002 experiments, 243 odd, ratio 0.243.");
    EXPECT_EQ(teacher.announcer->said.back(),
              "Throws opened. " + last + "2004 experiments, 486 odd, ratio 0.243.");
}

// `count` rows of throws of 1 and 1, as the program writes them, after the header.
QByteArray ones(int count) {
    QByteArray rows = "experiment,large,small,odd,odd_so_far,ratio\r\n";
    for (int n = 1; n <= count; ++n) {
        rows += QByteArray::number(n) + ",1,1,1," + QByteArray::number(n) + ",1.000\r\n";
    }
    return rows;
}

// Every file, or files chosen together, that must be refused: the notice (as reviewed) names
// the file, the line and the reason, nothing is asked, and the window stays as it was, pixel
// for pixel.
TEST(ExperimentResults, OpeningRefusesEveryHostileFileAndChangesNothing) {
    const QTemporaryDir folder;
    const QByteArray header = ones(0);
    const QByteArray first = header + "1,1,6,0,0,0.000\r\n";
    QFile huge(folder.filePath("100-MB"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(100'000'000));
    ::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600);
    QDir().mkdir(folder.filePath("folder"));
    write(folder.filePath("20000-rows"), ones(20000));
    write(folder.filePath("12767-rows"), ones(12767));
    // The files chosen, and what the last holds (nothing: as made above, or not there).
    const std::vector<std::pair<QString, QByteArray>> files = {
        {"empty", ""},
        {"header-only", header},
        {"wrong-header", "experiment,large,small,odd,ratio\r\n1,1,6,0,0.000\r\n"},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"five-fields", header + "1,1,6,0,0\r\n"},
        {"blank-line", first + "\r\n2,3,5,1,1,0.500\r\n"},
        {"out-of-sequence", first + "3,3,5,1,1,0.500\r\n"},
        {"face-0", header + "1,0,6,0,0,0.000\r\n"},
        {"face-7", first + "2,7,5,1,1,0.500\r\n"},
        {"odd-disagrees", header + "1,1,6,1,1,1.000\r\n"},
        {"odd-so-far-disagrees", first + "2,3,5,1,2,0.500\r\n"},
        {"ratio-disagrees", first + "2,3,5,1,1,0.501\r\n"},
        {"32768-rows", ones(32768)},
        // All or nothing: the first file's throws are not kept when the second is refused.
        {"20000-rows 20000-rows", {}},
        {"20000-rows face-7", {}},
        // At the size limit a file is read (and refused for what it holds); past it, not.
        {"4-MiB", QByteArray(4 * 1024 * 1024, 'x')},
        {"100-MB", {}},
        {"20000-rows fifo", {}},  // unreadable after one that reads
        {"folder", {}},
        {"vanished", {}}};
    const WindowHarness teacher;
    teacher.start();
    teacher.throwManually(3, 5);
    const QImage before = windowPicture(teacher.window.get());
    QString notices;
    for (const auto& [names, bytes] : files) {
        QStringList chosen;
        for (const QString& name : names.split(' ')) {
            chosen << folder.filePath(name);
        }
        bytes.isNull() ? void() : write(chosen.last(), bytes);
        const std::size_t shown = teacher.notice->shown.size();
        open(teacher, chosen);
        ASSERT_EQ(teacher.notice->shown.size(), shown + 1) << names;
        notices += QString(teacher.notice->shown.back().text).replace(folder.path(), "…") + "\n";
        EXPECT_EQ(windowPicture(teacher.window.get()), before) << names;
        EXPECT_EQ(teacher.window->session()->tally().throws().size(), 1U);
    }
    expectGolden(notices, "refused-throws.txt");
    // The other side of the limit: 32767 throws in all are opened, and as no further throw
    // could be counted, the throw buttons are off and the pupil is told why.
    open(teacher, {folder.filePath("20000-rows"), folder.filePath("12767-rows")});
    EXPECT_EQ(teacher.value(Value::ExperimentCount), "32767");
    EXPECT_EQ(teacher.usableButtons(),
              Buttons({Button::Exit, Button::Init, Button::GraphDisplay, Button::Help}));
    EXPECT_THAT(teacher.notice->shown.back().text.toStdString(),
                testing::StartsWith("The window has counted 32767 experiments, the most"));
}

// The page of a known run, dated 7 December 2026, as a printer at 50 dpi puts it on A4 paper
// (Letter paper is checked with the class's pages: ClassPage.*). Every pair comes once in
// each 36 throws, in an order that starts odd and settles at 1/4: pair k is large k % 6 + 1,
// small k / 6 + 1. The last 30 throws leave out six pairs, one in each row and none of them
// odd: 252 odd products in 1002.
TEST(ResultsPage, IsAsReviewedOnA4) {
    experiment_core::Tally tally;
    for (int n = 0; n < 1002; ++n) {
        const int pair = n * 7 % 36;
        tally.addThrow(static_cast<std::int16_t>(pair % 6 + 1),
                       static_cast<std::int16_t>(pair / 6 + 1));
    }
    const take_away::Document page{
        "Results", [&tally](QPainter& painter, const QRect& area) {
            drawings::drawResultsPage(
                painter, area, tally,
                {"Pellorin: the results of the experiment", "7 December 2026", "Large＼Small",
                 QStringList{"１", "２", "３", "４", "５", "６"},
                 QStringList{"Number of experiments", "Number of odd products",
                             "Percentage of odd products"}});
        }};
    const QTemporaryDir folder;
    write(folder.filePath("a4.pdf"), take_away::documentPdf(page));
    expectGolden(pdfPages(folder.filePath("a4.pdf")).at(0), "results-page");
    expectGolden(pdfText(folder.filePath("a4.pdf")), "results-page-1002.txt");
}

}  // namespace
