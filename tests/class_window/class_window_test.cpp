// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAccessible>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>

#include "class_window/class_window.h"
#include "drawings/class_graph.h"
#include "experiment_core/results_text.h"
#include "main_window/experiment_results.h"
#include "support/files.h"
#include "support/golden.h"
#include "support/pdf.h"
#include "support/window_harness.h"

namespace {

using Pairs = std::vector<std::pair<int, int>>;

// Pupil p's throws, from a generator of the test's own: 1000 + 50 p of them.
Pairs throwsOf(int pupil) {
    Pairs throws;
    unsigned state = 2026U + static_cast<unsigned>(pupil);
    for (int n = 0; n < 1000 + 50 * pupil; ++n) {
        state = state * 1103515245U + 12345U;
        throws.emplace_back(state >> 16 & 0xFFFF, state >> 8 & 0xFF);
        throws.back() = {throws.back().first % 6 + 1, throws.back().second % 6 + 1};
    }
    return throws;
}

// The file "Save throws as CSV" writes of them (its bytes are checked where it is tested).
QString writePupil(const QTemporaryDir& folder, const QString& name, const Pairs& throws) {
    experiment_core::Tally tally;
    for (const auto& [large, small] : throws) {
        tally.addThrow(static_cast<std::int16_t>(large), static_cast<std::int16_t>(small));
    }
    write(folder.filePath(name), QByteArray::fromStdString(experiment_core::throwsCsv(tally)));
    return folder.filePath(name);
}

QString cellText(const QAbstractItemModel* model, int row, int column) {
    return model->index(row, column).data().toString();
}

// No ink within 12 mm of any edge (24 pixels at 50 dots an inch).
bool inkInsideMargins(const QImage& page) {
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const bool margin =
                x < 24 || y < 24 || x >= page.width() - 24 || y >= page.height() - 24;
            if (margin && page.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return !page.isNull();
}

// Forty pupils of 1000 to 2950 throws, 79,000 in all (past 32,767 and 65,535): each pupil's
// row, the class's values and table against the test's own sums over its files; and the graph's
// pixels: each column of the pooled line covers exactly the rows of the lowest to the highest
// ratio of its experiments, and each pupil's point lies where their ratio is at the end of their
// throws.
TEST(ClassWindow, PoolsFortyPupilsAsTheirFilesSumUp) {
    const QTemporaryDir folder;
    QStringList paths;
    std::vector<std::int64_t> oddSoFar;
    std::array<std::int64_t, 36> pairs{};
    std::vector<std::pair<std::int64_t, std::int64_t>> pupils;
    for (int pupil = 0; pupil < 40; ++pupil) {
        const Pairs throws = throwsOf(pupil);
        paths << writePupil(folder, QString("pupil-%1.csv").arg(pupil, 2, 10, QChar('0')), throws);
        std::int64_t odd = 0;
        for (const auto& [large, small] : throws) {
            odd += large % 2 * (small % 2);
            ++pairs.at((large - 1) * 6 + small - 1);
            oddSoFar.push_back((oddSoFar.empty() ? 0 : oddSoFar.back()) + large % 2 * (small % 2));
        }
        pupils.emplace_back(throws.size(), odd);
    }
    TakeAwayDoubles desk;
    ClassWindow window(desk.takeAway);
    window.showFiles(paths);

    const auto* model = window.findChild<QTableView*>("pupils")->model();
    ASSERT_EQ(model->rowCount(), 40);
    for (int row = 0; row < 40; ++row) {
        const QString lastRatio = QString(contentsOf(paths.at(row))).trimmed().section(',', -1);
        EXPECT_EQ(QStringList({cellText(model, row, 0), cellText(model, row, 1),
                               cellText(model, row, 2), cellText(model, row, 3)}),
                  QStringList({QString("pupil-%1").arg(row, 2, 10, QChar('0')),
                               QString::number(pupils.at(row).first),
                               QString::number(pupils.at(row).second), lastRatio}));
    }
    const auto* table = window.findChild<QTableWidget*>("pairs");
    for (int cell = 0; cell < 36; ++cell) {
        EXPECT_EQ(table->item(cell / 6, cell % 6)->text(), QString::number(pairs.at(cell)));
    }
    const std::int64_t count = 79000;
    ASSERT_EQ(static_cast<std::int64_t>(oddSoFar.size()), count);
    const QString summary = window.findChild<QLabel*>("summary")->text();
    EXPECT_TRUE(summary.startsWith(
        QString("40 pupils: 79000 experiments, %1 odd products, ratio ").arg(oddSoFar.back())))
        << summary;
    // The ratio shown is the thousandth nearest to odd / count: -n <= 2000 k - 2 n T < n.
    const std::int64_t shown = summary.section(' ', -1).remove('.').toLongLong();
    const std::int64_t twiceError = 2000 * oddSoFar.back() - 2 * count * shown;
    EXPECT_TRUE(-count <= twiceError && twiceError < count) << summary;

    auto* graph = window.findChild<QWidget*>("graph");
    graph->resize(700, 320);
    const QImage picture = graph->grab().toImage();
    const QRect plot = drawings::classPlotArea(graph->rect(), QFontMetrics(graph->font()).height());
    const auto rowOf = [&plot](double ratio) {
        return plot.top() + static_cast<int>(std::lround((1 - ratio) * (plot.height() - 1)));
    };
    const int columns = plot.width();
    std::vector<std::pair<int, int>> spans(columns, {plot.bottom() + 1, plot.top() - 1});
    for (std::int64_t n = 1; n <= count; ++n) {
        auto& [top, bottom] = spans.at((n - 1) * columns / count);
        const int row = rowOf(static_cast<double>(oddSoFar.at(n - 1)) / static_cast<double>(n));
        top = std::min(top, row);
        bottom = std::max(bottom, row);
    }
    const QRgb pooled = drawings::kPooledColour.rgb();
    const QRgb pupil = drawings::kPupilColour.rgb();
    for (int column = 0; column < columns; ++column) {
        for (int y = plot.top(); y <= plot.bottom(); ++y) {
            const QRgb pixel = picture.pixel(plot.left() + column, y);
            const bool inSpan = y >= spans.at(column).first && y <= spans.at(column).second;
            ASSERT_TRUE(pixel == pupil || (pixel == pooled) == inSpan)
                << "column " << column << ", row " << y;
        }
    }
    std::int64_t end = 0;
    for (const auto& [experiments, odd] : pupils) {
        end += experiments;
        const int x = plot.left() + static_cast<int>((end - 1) * columns / count);
        EXPECT_EQ(picture.pixel(x, rowOf(static_cast<double>(odd) / experiments)), pupil) << end;
    }
}

QString fixture(const char* name) {
    return QString(THROWS_FIXTURES "/") + name;
}

// From the experiment window's menu, a teacher chooses six files: two pupils' (one saved again
// by a spreadsheet, one with a dot in its name) are pooled, and each of the other four is
// listed with its reason; "Add files..." adds a third pupil. Copy, save and what a screen
// reader reads of the graph are as reviewed.
TEST(ClassWindow, PoolsTheGoodFilesAndListsEachRefusedOneWithItsReason) {
    const QTemporaryDir folder;
    QFile::copy(fixture("libreoffice-resaved.csv"), folder.filePath("Aiko.csv"));
    QFile::copy(fixture("as-saved.csv"), folder.filePath("Ben.2b.csv"));
    write(folder.filePath("Chika.csv"),
          contentsOf(fixture("as-saved.csv")).replace("7,1,1,1,4,0.571", "7,1,1,1,4,0.572"));
    write(folder.filePath("notes.csv"), "pencils,rulers\r\n");
    QDir().mkdir(folder.filePath("folder.csv"));
    const WindowHarness harness;
    harness.start();
    harness.dialog->opened = {folder.filePath("Aiko.csv"),   folder.filePath("Chika.csv"),
                              folder.filePath("Daiki.csv"),  folder.filePath("notes.csv"),
                              folder.filePath("folder.csv"), folder.filePath("Ben.2b.csv")};
    const auto trigger = [](QWidget* window, const QString& entry) {
        for (QAction* action : window->actions()) {
            action->text() == entry ? action->trigger() : void();
        }
    };
    trigger(harness.window.get(), "Class results...");
    ClassWindow* classView = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        classView =
            window->objectName() == "ClassWindow" ? static_cast<ClassWindow*>(window) : classView;
    }
    ASSERT_TRUE(classView != nullptr && classView->isVisible());
    EXPECT_EQ(classView->findChild<QListWidget*>("refused")->count(), 4);
    harness.dialog->opened = {fixture("as-saved.csv")};
    trigger(classView, "Add files...");
    trigger(classView, "Copy results");
    harness.dialog->answer = folder.filePath("class.csv");
    trigger(classView, "Save table as CSV...");
    EXPECT_TRUE(harness.dialog->suggested.startsWith("pellorin-class-" +
                                                     QDate::currentDate().toString("yyyy-MM-dd")));
    QAccessibleInterface* graph =
        QAccessible::queryAccessibleInterface(classView->findChild<QWidget*>("graph"));
    expectGolden(QString(classView->refusals().join('\n')).replace(folder.path(), "…") + "\n\n" +
                     copiedText() + "\n" + QString(contentsOf(harness.dialog->answer)) + "\n" +
                     graph->text(QAccessible::Name) + "\n" + graph->text(QAccessible::Description) +
                     "\n",
                 "class-texts.txt");
    expectGolden(copiedHtml(), "class-copied.html");
}

// What the program answers, run with no display at all.
struct Answer {
    int status;
    QString output;
    QString errors;
};
Answer withoutDisplay(const QStringList& arguments, const QTemporaryDir& folder) {
    QProcess pellorin;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", folder.path());
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"}) {
        environment.remove(name);
    }
    environment.insert("LANG", "C.UTF-8");
    pellorin.setProcessEnvironment(environment);
    pellorin.start(PELLORIN, arguments);
    pellorin.waitForFinished();
    return {pellorin.exitStatus() == QProcess::NormalExit ? pellorin.exitCode() : -1,
            pellorin.readAllStandardOutput(), pellorin.readAllStandardError()};
}

// Every form of the command line, with no display: information on standard output, a mistake
// or the want of a display on standard error, each with its status and never an abort.
TEST(CommandLine, AnswersEveryOptionWithoutADisplay) {
    const QTemporaryDir folder;
    const QString noDisplay =
        "No display to show a window on: DISPLAY and WAYLAND_DISPLAY are "
        "not set.\n";
    const QString help = withoutDisplay({"--help"}, folder).output;
    EXPECT_TRUE(help.contains("--class") && help.contains("--page <pdf>")) << help;
    const std::vector<std::pair<QStringList, Answer>> lines = {
        {{"--version"}, {0, "pellorin " PELLORIN_VERSION "\n", ""}},
        {{"-v"}, {0, "pellorin " PELLORIN_VERSION "\n", ""}},
        {{"-h"}, {0, help, ""}},
        {{}, {1, "", noDisplay}},
        {{"--class", "pupil.csv"}, {1, "", noDisplay}},
        {{"--bogus"}, {1, "", "pellorin: Unknown option 'bogus'.\n"}},
        {{"-platform", "offscreen", "-x"}, {1, "", "pellorin: Unknown option 'x'.\n"}},
        {{"pupil.csv"}, {2, "", "Files and --page go with --class; see --help.\n"}},
        {{"--page", "class.pdf"}, {2, "", "Files and --page go with --class; see --help.\n"}},
        {{"--class", "--page"}, {1, "", "pellorin: Missing value after '--page'.\n"}},
    };
    for (const auto& [arguments, expected] : lines) {
        const Answer answer = withoutDisplay(arguments, folder);
        EXPECT_EQ(std::tuple(answer.status, answer.output, answer.errors),
                  std::tuple(expected.status, expected.output, expected.errors))
            << arguments.join(' ').toStdString();
    }
}

// The class page of forty pupils and a refused file, written by the command line with no
// display: the refused file on stderr and in the exit status, the page's words and title as
// reviewed, two A4 pages; without the refused file, exit 0 and nothing said; a PDF that cannot
// be written is told. Every page, the class's and the experiment window's, A4 and Letter,
// keeps its ink 12 mm from the edges.
TEST(ClassPage, IsWrittenByTheCommandLineWithoutADisplay) {
    const QTemporaryDir folder;
    QStringList paths;
    for (int pupil = 0; pupil < 40; ++pupil) {
        paths << writePupil(folder, QString("pupil-%1.csv").arg(pupil, 2, 10, QChar('0')),
                            throwsOf(pupil));
    }
    const auto run = [&folder](const QStringList& arguments) {
        const Answer answer = withoutDisplay(QStringList{"--class"} + arguments, folder);
        return std::pair(answer.status, answer.errors);
    };
    const QString pdf = folder.filePath("class.pdf");
    EXPECT_EQ(run(paths + QStringList{fixture("bad.csv"), "--page", pdf}),
              std::pair(1, QString(fixture("bad.csv")) +
                               " could not be opened: It is not there any more.\n"));
    QString words = pdfText(pdf);
    expectGolden(words.replace(QDate::currentDate().toString("dddd, MMMM d, yyyy"), "TODAY"),
                 "class-page.txt");
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    EXPECT_TRUE(info.readAllStandardOutput().contains(
        "Title:           Pellorin: 40 pupils, 79000 experiments\n"));
    EXPECT_EQ(run(paths + QStringList{"--page", pdf}), std::pair(0, QString()));
    EXPECT_EQ(run(paths + QStringList{"--page", folder.filePath("none/class.pdf")}).first, 1);
    EXPECT_FALSE(QFile::exists(folder.filePath("none/class.pdf")));

    TakeAwayDoubles desk;
    ClassWindow window(desk.takeAway);
    window.showFiles(paths);
    const WindowHarness harness;
    harness.start();
    harness.throwManually(1, 1);
    int documents = 0;
    for (const take_away::Document& document :
         {window.document(), harness.window->results()->page()}) {
        for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath(QString("page-%1.pdf").arg(++documents)));
            printer.setPageSize(QPageSize(size));
            ASSERT_TRUE(take_away::printOn(printer, document));
            const std::vector<QImage> pages = pdfPages(printer.outputFileName());
            // The forty pupils' rows go on over a second A4 page, a third of Letter.
            EXPECT_EQ(pages.size(), std::vector<std::size_t>({2, 3, 1, 1}).at(documents - 1));
            for (const QImage& page : pages) {
                EXPECT_TRUE(inkInsideMargins(page)) << documents;
            }
        }
    }
    // A printer that cannot take the page is a failure, never a page printed.
    QPrinter unplugged(QPrinter::HighResolution);
    unplugged.setOutputFileName(folder.filePath("none/page.pdf"));
    EXPECT_FALSE(take_away::printOn(unplugged, window.document()));
}

}  // namespace
