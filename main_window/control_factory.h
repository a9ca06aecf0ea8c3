// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/control_table.h"

class QPushButton;
class QLabel;
class QTimer;
class QWidget;
class DieFaceView;

namespace main_window {

// Each creates a control of the table as a child of the window, with its id, place, font,
// colours and description, and returns it typed.
QPushButton* createButton(QWidget* window, const Control& control);
QLabel* createLabel(QWidget* window, const Control& control);
DieFaceView* createDieFace(QWidget* window, const Control& control);
// The rule lies under the controls created before it.
QWidget* createRule(QWidget* window, const Control& control);
// One of the session's timers, named and timed as the table says.
void setUpTimer(QTimer* timer, const Control& control);

}  // namespace main_window
