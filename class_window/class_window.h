// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

#include "experiment_core/class_tally.h"
#include "take_away/take_away.h"

class QLabel;
class QListWidget;
class QStandardItemModel;
class QTableView;
class QTableWidget;
class ClassGraphView;

namespace take_away {
class TakeAwayMenu;
}  // namespace take_away

// The class view: every pupil's file of throws pooled, each pupil's counts and ratio beside
// the class's table, values and graph, and the files that were refused with the reason. A
// window of its own, beside the experiment's; it only reads files, and keeps no limit but
// memory.
class ClassWindow final : public QWidget {
    Q_OBJECT
public:
    // Each file of a class holds at most this many bytes: a million throws take about 30 MB.
    static constexpr qint64 kLargestClassFile = qint64{64} * 1024 * 1024;

    explicit ClassWindow(const take_away::TakeAway& takeAway, QWidget* parent = nullptr);

    // Pools these files after those already shown, in order; each file is checked on its own.
    void addFiles(const QStringList& paths);
    // Starts the class afresh with these files.
    void showFiles(const QStringList& paths);

    [[nodiscard]] const experiment_core::ClassTally& tally() const { return tally_; }
    // The refused files, each with its reason, in the order chosen.
    [[nodiscard]] const QStringList& refusals() const { return refusals_; }
    [[nodiscard]] take_away::TakeAwayMenu* menu() const { return menu_; }
    [[nodiscard]] QTableView* pupilsView() const { return pupilsView_; }
    // The pages of the class's results, as printed and saved as PDF.
    [[nodiscard]] take_away::Document document() const;

    // "Add files...": files chosen with the dialog join the class.
    void chooseFiles();
    // "Copy results": the class's table and values and the pupils', as text and as HTML.
    void copy();
    // "Save table as CSV...": the pupils' table.
    void saveTable();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showTally();
    // "1 pupil", "40 pupils".
    [[nodiscard]] QString pupilCount() const;

    take_away::TakeAway takeAway_;
    experiment_core::ClassTally tally_;
    QStringList refusals_;
    take_away::TakeAwayMenu* menu_;
    QLabel* summary_;
    QStandardItemModel* pupils_;
    QTableView* pupilsView_;
    QTableWidget* pairs_;
    QLabel* refusedTitle_;
    QListWidget* refused_;
    ClassGraphView* graph_;
};
