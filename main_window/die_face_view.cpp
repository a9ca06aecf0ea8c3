// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/die_face_view.h"

#include <QPainter>
#include <utility>

#include "platform/accessibility.h"

DieFaceView::DieFaceView(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    platform::presentAsGraphic(this);
}

void DieFaceView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}
