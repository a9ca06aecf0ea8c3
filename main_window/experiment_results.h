// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "class_window/class_window.h"
#include "experiment_core/tally.h"
#include "experiment_core/throws_csv.h"
#include "take_away/take_away.h"
#include "take_away/take_away_menu.h"

// What the experiment window's results can be made into, and where throws come back from:
// the table and the values on the clipboard, every throw in a CSV file, saved throws opened
// and pooled, one page printed or saved as PDF. The entries of the window's context menu, with
// their shortcuts; the window's steps say when they are available (not while numbers change).
class ExperimentResults final : public QObject {
    Q_OBJECT
public:
    // Together, files of throws hold at most this many, the most the experiment count holds.
    static constexpr int kMostThrows = 32767;
    // A file of the most throws takes under a megabyte.
    static constexpr qint64 kLargestThrowsFile = qint64{4} * 1024 * 1024;

    ExperimentResults(QWidget* window, const experiment_core::Tally& tally,
                      const take_away::TakeAway& takeAway);

    [[nodiscard]] take_away::TakeAwayMenu* menu() const { return menu_; }
    // The page of results, as printed and saved as PDF (the graph window prints it too).
    [[nodiscard]] take_away::Document page() const;

    // "Copy results": tab-separated text and an HTML table.
    void copy();
    // "Save throws as CSV...".
    void saveThrows();
    // "Open throws...": every file is read and checked before anything changes; a window that
    // holds experiments asks before they are replaced.
    void openThrows();
    // "Class results...": files chosen with the dialog, shown in the class view (one view, kept
    // for the next time) over `owner`.
    void openClassResults(QWidget* owner);

signals:
    // Throws read back from files, in order: they become the experiment.
    void throwsOpened(const std::vector<experiment_core::Faces>& throws);

private:
    // The throws of the chosen files, pooled, or nothing after telling why not.
    [[nodiscard]] std::vector<experiment_core::Faces> readThrows(const QStringList& paths);

    QWidget* window_;
    const experiment_core::Tally& tally_;
    take_away::TakeAway takeAway_;
    take_away::TakeAwayMenu* menu_;
    std::unique_ptr<ClassWindow> classWindow_;
};
