// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_geometry.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

constexpr char kDesignedPlace[] = "platformDesignedPlace";

}  // namespace

void setFixedClientArea(QWidget* window, const QRect& clientArea) {
    window->setProperty(kDesignedPlace, clientArea);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setGeometry(onScreen(clientArea, window->screen()->availableGeometry()));
    window->setFixedSize(clientArea.size());
}

QRect onScreen(const QRect& place, const QRect& available) {
    const auto within = [](int start, int length, int first, int room) {
        return std::max(first, std::min(start, first + room - length));
    };
    return {within(place.x(), place.width(), available.x(), available.width()),
            within(place.y(), place.height(), available.y(), available.height()), place.width(),
            place.height()};
}

void showModeless(QWidget* window, const QWidget* opener) {
    if (opener != nullptr && opener->screen() != window->screen()) {
        // The designed place is from a screen's top-left corner.
        const QRect available = opener->screen()->availableGeometry();
        window->setGeometry(onScreen(window->property(kDesignedPlace)
                                         .toRect()
                                         .translated(opener->screen()->geometry().topLeft()),
                                     available));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace platform
