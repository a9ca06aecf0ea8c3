// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace widgets {

// A one-pixel rule in the window-text colour, under the row of a window's top buttons.
QWidget* addRule(QWidget* window, const QString& name, const QRect& place);

}  // namespace widgets
