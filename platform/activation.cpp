// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/activation.h"

#include <QEvent>
#include <QWidget>

namespace platform {

void ActivationTracker::watch(QWidget* window, const std::function<void()>& onActivate) {
    handlers_.insert(window, onActivate);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { handlers_.remove(gone); });
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched != lastActive_) {
        lastActive_ = watched;
        const auto handler = handlers_.value(watched);
        if (handler) {
            handler();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace platform
