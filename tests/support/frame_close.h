// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

// What the window system sends when the user closes a window from its frame: the close
// reaches the window's platform window first, not the widget.
inline void closeFromFrame(QWidget* window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}
