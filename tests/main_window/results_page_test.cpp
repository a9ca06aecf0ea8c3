// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "experiment_results.h"
#include "results_page.h"
#include "support/golden.h"
#include "support/window_harness.h"

namespace {

// What poppler makes of a PDF file: its text as laid out, or its page as a picture.
QString pdfText(const QString& pdf) {
    QProcess poppler;
    poppler.start("pdftotext", {"-layout", pdf, "-"});
    poppler.waitForFinished();
    return QString::fromUtf8(poppler.readAllStandardOutput()).simplified();
}
QImage pdfPicture(const QString& pdf, int dotsPerInch) {
    QProcess::execute("pdftoppm", {"-r", QString::number(dotsPerInch), "-png", "-singlefile", pdf,
                                   pdf + "-page"});
    return QImage(pdf + "-page.png");
}

// The text of the page below, pdftotext's words in reading order.
const char* const kPageText =
    "Pellorin: the results of the experiment 7 December 2026 Large＼Small １ ２ ３ ４ ５ ６ "
    "１ 28 28 28 28 28 27 ２ 27 28 28 28 28 28 ３ 28 27 28 28 28 28 ４ 28 28 27 28 28 28 "
    "５ 28 28 28 27 28 28 ６ 28 28 28 28 27 28 Number of experiments 1002 Number of odd "
    "products 252 Percentage of odd products 0.251";

// The page of a known run, with a fixed date, as a printer at 50 dpi would put it on A4 paper.
TEST(ResultsPage, IsAsReviewed) {
    experiment::Tally tally;
    // Every pair once in each 36 throws, in an order that starts odd and settles at 1/4: pair
    // k is large k % 6 + 1, small k / 6 + 1. The last 30 throws leave out six pairs, one in
    // each row and none of them odd: 252 odd products in 1002.
    for (int n = 0; n < 1002; ++n) {
        const int pair = n * 7 % 36;
        tally.record(static_cast<std::int16_t>(pair % 6 + 1),
                     static_cast<std::int16_t>(pair / 6 + 1));
    }
    const take_away::PageDrawing page = [&tally](QPainter& painter, const QRect& area) {
        drawings::drawResultsPage(painter, area, tally,
                                  {"Pellorin: the results of the experiment", "7 December 2026",
                                   "Large＼Small", QStringList{"１", "２", "３", "４", "５", "６"},
                                   QStringList{"Number of experiments", "Number of odd products",
                                               "Percentage of odd products"}});
    };
    const QTemporaryDir folder;
    const QString pdf = folder.filePath("page.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(take_away::pagePdf(page)) > 0);
    file.close();
    expectGolden(pdfPicture(pdf, 50), "results-page");
    EXPECT_TRUE(pdfText(pdf).startsWith(kPageText)) << pdfText(pdf);

    // On Letter paper the same page fits the paper's printable width.
    QPrinter letter(QPrinter::HighResolution);
    letter.setOutputFormat(QPrinter::PdfFormat);
    letter.setOutputFileName(folder.filePath("letter.pdf"));
    letter.setPageSize(QPageSize(QPageSize::Letter));
    ASSERT_TRUE(take_away::printOn(letter, page));
    EXPECT_EQ(pdfPicture(letter.outputFileName(), 50).size(), QSize(425, 550));
    EXPECT_TRUE(pdfText(letter.outputFileName()).startsWith(kPageText));
}

// Both windows save the page of what they show, dated today.
TEST(ResultsPage, IsSavedFromBothWindows) {
    const WindowHarness harness;
    harness.start();
    harness.throwManually(3, 5);
    harness.throwManually(2, 5);
    const QTemporaryDir folder;
    const auto savePage = [&harness, &folder](QWidget* window, const char* name) {
        harness.dialog->answer = folder.filePath(name);
        for (QAction* entry : window->actions()) {
            if (entry->text() == "Save page as PDF...") {
                entry->trigger();
            }
        }
        return pdfText(harness.dialog->answer);
    };
    const QString today = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    const QString expected =
        "Pellorin: the results of the experiment " + today +
        " Large＼Small １ ２ ３ ４ ５ ６ １ 0 0 0 0 0 0 ２ 0 0 0 0 1 0 ３ 0 0 0 "
        "0 1 0 ４ 0 0 0 0 0 0 ５ 0 0 0 0 0 0 ６ 0 0 0 0 0 0 Number of "
        "experiments 2 Number of odd products 1 Percentage of odd products "
        "0.500";
    EXPECT_TRUE(savePage(harness.window.get(), "experiment.pdf").startsWith(expected));
    EXPECT_EQ(harness.dialog->suggested, "pellorin-results.pdf");
    harness.window->showGraph();
    EXPECT_TRUE(savePage(harness.window->graphWindow(), "graph.pdf").startsWith(expected));
}

}  // namespace
