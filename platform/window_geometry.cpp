// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_geometry.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr char kDesignedPlace[] = "platformDesignedPlace";

// The frame is the window manager's and known only once it has framed the window: at the
// first activation after the window shows, the window moves, if need be, so that its frame
// too lies on the screen (or, larger than the screen, starts at its top-left corner). The
// pupil may then move it anywhere.
class FrameOnScreen final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            shown_ = true;
        } else if (event->type() == QEvent::WindowActivate && shown_) {
            shown_ = false;
            auto* window = static_cast<QWidget*>(watched);
            // At a fractional scale the frame's far edges may round a device pixel past the
            // screen's: one more logical pixel is kept clear there.
            const qreal ratio = window->devicePixelRatioF();
            const int clear = ratio == std::floor(ratio) ? 0 : 1;
            const QRect frame = window->frameGeometry().adjusted(0, 0, clear, clear);
            const QPoint placed = onScreen(frame, window->screen()->availableGeometry()).topLeft();
            if (placed != frame.topLeft()) {
                window->move(placed);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool shown_ = false;
};

}  // namespace

void setFixedClientArea(QWidget* window, const QRect& clientArea) {
    window->setProperty(kDesignedPlace, clientArea);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setGeometry(onScreen(clientArea, window->screen()->availableGeometry()));
    window->setFixedSize(clientArea.size());
    window->installEventFilter(new FrameOnScreen(window));
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
