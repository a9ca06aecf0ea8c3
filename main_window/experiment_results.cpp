// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/experiment_results.h"

#include <QCoreApplication>
#include <QDate>

#include "drawings/results_page.h"
#include "experiment_core/results_text.h"
#include "main_window/control_factory.h"
#include "platform/language.h"
#include "platform/notice_box.h"
#include "platform/window_geometry.h"
#include "take_away/throws_files.h"

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

ExperimentResults::ExperimentResults(QWidget* window, const experiment_core::Tally& tally,
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
    menu_->addPageEntries(takeAway_, QStringLiteral("pellorin-results.pdf"),
                          [this] { return page(); });
    menu_->addEntry(tr("Class results..."), {}, this, [this] { openClassResults(window_); });
}

void ExperimentResults::openClassResults(QWidget* owner) {
    const QStringList paths =
        takeAway_.dialog.chooseOpen(owner, tr("Class results: the pupils' files of throws"),
                                    tr("Comma-separated values (*.csv)"));
    if (paths.isEmpty()) {
        return;
    }
    if (!classWindow_) {
        classWindow_ = std::make_unique<ClassWindow>(takeAway_);
    }
    classWindow_->showFiles(paths);
    platform::showModeless(classWindow_.get(), window_);
}

void ExperimentResults::copy() {
    const main_window::ResultWords shown = main_window::resultWords();
    const experiment_core::SummaryWords words{
        shown.corner.toStdString(), shown.summary.at(0).toStdString(),
        shown.summary.at(1).toStdString(), shown.summary.at(2).toStdString()};
    takeAway_.clipboard.putText(text(experiment_core::resultsTabSeparated(tally_, words)),
                                text(experiment_core::resultsHtml(tally_, words)));
}

void ExperimentResults::saveThrows() {
    take_away::saveWithDialog(
        takeAway_, window_, tr("Save throws as CSV"),
        platform::timeStampedName(QStringLiteral("pellorin-throws"), QStringLiteral("csv")),
        tr("Comma-separated values (*.csv)"),
        QByteArray::fromStdString(experiment_core::throwsCsv(tally_)));
}

void ExperimentResults::openThrows() {
    const QStringList paths = takeAway_.dialog.chooseOpen(window_, tr("Open throws"),
                                                          tr("Comma-separated values (*.csv)"));
    const std::vector<experiment_core::Faces> throws = readThrows(paths);
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

std::vector<experiment_core::Faces> ExperimentResults::readThrows(const QStringList& paths) {
    std::vector<experiment_core::Faces> pooled;
    for (const QString& path : paths) {
        take_away::ThrowsFile file = take_away::readThrowsFile(
            path, kLargestThrowsFile, kMostThrows - static_cast<std::int64_t>(pooled.size()),
            kMostThrows);
        if (!file.refusal.isEmpty()) {
            take_away::tellFailure(takeAway_, window_, file.refusal);
            return {};
        }
        pooled.insert(pooled.end(), file.throws.begin(), file.throws.end());
    }
    return pooled;
}

take_away::Document ExperimentResults::page() const {
    //: the title of the printed page
    const QString title = tr("Pellorin: the results of the experiment");
    return {title, [this, title](QPainter& painter, const QRect& area) {
                drawings::PageWords words;
                words.title = title;
                words.date = platform::dateText(QDate::currentDate());
                const main_window::ResultWords shown = main_window::resultWords();
                words.corner = shown.corner;
                words.faces = shown.faces;
                words.summary = shown.summary;
                drawings::drawResultsPage(painter, area, tally_, words);
            }};
}
