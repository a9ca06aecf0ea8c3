// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_results.h"

#include <QCoreApplication>

#include "results_text.h"

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QString translated(const char* text) {
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
}

void ExperimentResults::copy() {
    // The words the window shows.
    const experiment::SummaryWords words{translated("Large＼Small").toStdString(),
                                         translated("Number of experiments").toStdString(),
                                         translated("Number of odd products").toStdString(),
                                         translated("Percentage of odd products").toStdString()};
    takeAway_.clipboard.putText(text(experiment::resultsTabSeparated(tally_, words)),
                                text(experiment::resultsHtml(tally_, words)));
}

void ExperimentResults::saveThrows() {
    take_away::saveWithDialog(takeAway_, window_, tr("Save throws as CSV"),
                              QStringLiteral("pellorin-throws.csv"),
                              tr("Comma-separated values (*.csv)"),
                              QByteArray::fromStdString(experiment::throwsCsv(tally_)));
}
