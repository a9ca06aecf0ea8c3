// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/secondary_window.h"

#include <QCloseEvent>
#include <QPushButton>

#include "platform/fonts.h"
#include "platform/keyboard.h"

namespace widgets {

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

QPushButton* SecondaryWindow::addCloseButton(const QString& id, const QRect& place) {
    auto* button = new QPushButton(tr("Close"), this);
    button->setObjectName(id);
    button->setGeometry(place);
    button->setFont(platform::designFont(11.25));
    platform::clickOnEnter(button);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}

}  // namespace widgets
