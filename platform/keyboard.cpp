// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace platform {

namespace {

class EnterClicks final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button != nullptr) {
                // A held key clicks once: its repeats would throw and stop, start and stop.
                if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
                    button->click();
                }
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void clickOnEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterClicks(button));
}

}  // namespace platform
