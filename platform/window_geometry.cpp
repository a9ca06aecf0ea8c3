// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_geometry.h"

#include <QWidget>

namespace platform {

void setFixedClientArea(QWidget* window, const QRect& clientArea) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setGeometry(clientArea);
    window->setFixedSize(clientArea.size());
}

void showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace platform
