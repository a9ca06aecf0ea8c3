// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away_menu.h"

namespace platform {

TakeAwayMenu::TakeAwayMenu(QWidget* window) : QMenu(window) {
    connect(this, &QMenu::aboutToHide, this, [this] {
        for (QAction* entry : actions()) {
            entry->setEnabled(true);
        }
    });
}

void TakeAwayMenu::popupAt(const QPoint& globalPosition, bool available) {
    for (QAction* entry : actions()) {
        entry->setEnabled(available);
    }
    popup(globalPosition);
}

}  // namespace platform
