// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/secondary_window.h"

#include <QCloseEvent>
#include <QPushButton>

#include "platform/fonts.h"
#include "platform/keyboard.h"

namespace platform {

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

QPushButton* SecondaryWindow::addCloseButton(const QString& id, const QRect& place) {
    auto* button = new QPushButton(tr("Close"), this);
    button->setObjectName(id);
    button->setGeometry(place);
    button->setFont(designFont(11.25));
    clickOnEnter(button);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}

}  // namespace platform
