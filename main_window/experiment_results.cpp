// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_results.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <array>

#include "notice_box.h"
#include "results_page.h"
#include "results_text.h"
#include "whole_files.h"

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// The window's own words.
QString shown(const char* text) {
    return QCoreApplication::translate("ExperimentWindow", text);
}

}  // namespace

ExperimentResults::ExperimentResults(QWidget* window, const experiment::Tally& tally,
                                     const take_away::TakeAway& takeAway)
    : QObject(window),
      window_(window),
      tally_(tally),
      takeAway_(takeAway),
      menu_(new take_away::TakeAwayMenu(window)) {
    menu_->addEntry(tr("Copy results"), QKeySequence::Copy, this, &ExperimentResults::copy);
    menu_->addEntry(tr("Save throws as CSV..."), QKeySequence::Save, this,
                    &ExperimentResults::saveThrows);
    menu_->addEntry(tr("Open throws..."), QKeySequence::Open, this, &ExperimentResults::openThrows);
    menu_->addPageEntries(takeAway_, page());
}

void ExperimentResults::copy() {
    const experiment::SummaryWords words{shown("Large＼Small").toStdString(),
                                         shown("Number of experiments").toStdString(),
                                         shown("Number of odd products").toStdString(),
                                         shown("Percentage of odd products").toStdString()};
    takeAway_.clipboard.putText(text(experiment::resultsTabSeparated(tally_, words)),
                                text(experiment::resultsHtml(tally_, words)));
}

void ExperimentResults::saveThrows() {
    take_away::saveWithDialog(takeAway_, window_, tr("Save throws as CSV"),
                              QStringLiteral("pellorin-throws.csv"),
                              tr("Comma-separated values (*.csv)"),
                              QByteArray::fromStdString(experiment::throwsCsv(tally_)));
}

void ExperimentResults::openThrows() {
    const QStringList paths = takeAway_.dialog.chooseOpen(window_, tr("Open throws"),
                                                          tr("Comma-separated values (*.csv)"));
    const std::vector<experiment::Faces> throws = readThrows(paths);
    if (throws.empty()) {
        return;
    }
    const int held = tally_.record().experimentCount;
    const QString question =
        held == 1
            //: a question before opening files replaces the one experiment in the window
            ? tr("The 1 experiment in the window will be replaced by those in the files. "
                 "Open them?")
            //: a question before opening files replaces the %1 experiments in the window
            : tr("The %1 experiments in the window will be replaced by those in the files. "
                 "Open them?")
                  .arg(held);
    //: the program's name, as the title of a question
    if (held > 0 && !takeAway_.notice.ask(window_, tr("Pellorin"), question)) {
        return;
    }
    takeAway_.dialog.used(paths.last());
    emit throwsOpened(throws);
}

std::vector<experiment::Faces> ExperimentResults::readThrows(const QStringList& paths) {
    std::vector<experiment::Faces> pooled;
    for (const QString& path : paths) {
        const QString file = QDir::toNativeSeparators(path);
        QString problem;
        const QByteArray bytes = take_away::readWhole(path, kLargestThrowsFile, &problem);
        if (!problem.isEmpty()) {
            //: a notice: %1 the file, %2 why it could not be read
            take_away::tellFailure(takeAway_, window_,
                                   tr("%1 could not be opened: %2").arg(file, problem));
            return {};
        }
        const auto read =
            experiment::readThrowsCsv({bytes.constData(), static_cast<std::size_t>(bytes.size())},
                                      kMostThrows - static_cast<int>(pooled.size()));
        if (const auto* refused = std::get_if<experiment::CsvProblem>(&read)) {
            const std::array<QString, 9> reasons = {
                tr("Its first line is not the header of a file of throws."),
                tr("It holds no throws."),
                tr("The row is not six numbers."),
                tr("The row's number does not follow the row before."),
                tr("A face is not between 1 and 6."),
                tr("Its \"odd\" does not agree with the faces."),
                tr("Its \"odd_so_far\" does not agree with the rows before."),
                tr("Its ratio does not agree with the rows before."),
                tr("The files hold more than %1 throws together.").arg(kMostThrows)};
            //: a notice: %1 the file, %2 the line, %3 what is wrong there
            take_away::tellFailure(takeAway_, window_,
                                   tr("%1 was not opened: line %2: %3")
                                       .arg(file)
                                       .arg(refused->line)
                                       .arg(reasons.at(static_cast<std::size_t>(refused->what))));
            return {};
        }
        const auto& throws = std::get<std::vector<experiment::Faces>>(read);
        pooled.insert(pooled.end(), throws.begin(), throws.end());
    }
    return pooled;
}

take_away::PageDrawing ExperimentResults::page() const {
    return [this](QPainter& painter, const QRect& area) {
        drawings::PageWords words;
        //: the title of the printed page
        words.title = tr("Pellorin: the results of the experiment");
        words.date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
        words.corner = shown("Large＼Small");
        words.faces = QStringList{"１", "２", "３", "４", "５", "６"};
        words.summary = QStringList{shown("Number of experiments"), shown("Number of odd products"),
                                    shown("Percentage of odd products")};
        drawings::drawResultsPage(painter, area, tally_, words);
    };
}
