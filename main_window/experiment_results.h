// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "take_away.h"
#include "take_away_menu.h"
#include "tally.h"

// What the experiment window's results can be made into: the table and the values on the
// clipboard, every throw in a CSV file. The entries of the window's context menu, with their
// shortcuts; the window's steps say when they are available (not while the numbers change).
class ExperimentResults final : public QObject {
    Q_OBJECT
public:
    ExperimentResults(QWidget* window, const experiment::Tally& tally,
                      const take_away::TakeAway& takeAway);

    [[nodiscard]] take_away::TakeAwayMenu* menu() const { return menu_; }

    // "Copy results": tab-separated text and an HTML table.
    void copy();
    // "Save throws as CSV...".
    void saveThrows();

private:
    QWidget* window_;
    const experiment::Tally& tally_;
    take_away::TakeAway takeAway_;
    take_away::TakeAwayMenu* menu_;
};
