// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "main_window/control_table.h"

class QPushButton;
class QLabel;
class QTimer;
class QWidget;
class DieView;

namespace main_window {

// Each creates a control of the table as a child of the window, with its id, place, font,
// colours and description, and returns it typed.
QPushButton* createButton(QWidget* window, const Control& control);
QLabel* createLabel(QWidget* window, const Control& control);
DieView* createDie(QWidget* window, const Control& control);
// The rule lies under the controls created before it.
QWidget* createRule(QWidget* window, const Control& control);
// One of the session's timers, named and timed as the table says.
void setUpTimer(QTimer* timer, const Control& control);

// The words the results take from the window, as it shows them: the table's corner, its
// headers for faces 1 to 6, and what the number of experiments, of odd products and their
// ratio are.
struct ResultWords {
    QString corner;
    QStringList faces;
    QStringList summary;
};
ResultWords resultWords();

}  // namespace main_window
