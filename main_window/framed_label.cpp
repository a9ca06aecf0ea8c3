// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/framed_label.h"

#include <QPainter>

FramedLabel::FramedLabel(bool bordered, QWidget* parent) : QLabel(parent), bordered_(bordered) {
    if (bordered_) {
        setContentsMargins(1, 1, 1, 1);
    }
}

void FramedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (bordered_) {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
