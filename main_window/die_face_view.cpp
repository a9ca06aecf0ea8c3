// SPDX-License-Identifier: GPL-3.0-or-later
#include "die_face_view.h"

#include <QPainter>
#include <utility>

#include "accessibility.h"

DieFaceView::DieFaceView(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    platform::presentAsGraphic(this);
}

void DieFaceView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}
