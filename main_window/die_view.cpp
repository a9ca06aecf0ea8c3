// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/die_view.h"

#include <QPainter>
#include <utility>

#include "assets/face_pictures.h"
#include "platform/accessibility.h"

DieView::DieView(QString described, QWidget* parent)
    : QWidget(parent), described_(std::move(described)) {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_.at(i) = assets::facePicture(static_cast<int>(i) + 1);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    platform::presentAsGraphic(this);
    showFace(1);
}

void DieView::showFace(int face) {
    if (face == face_) {
        return;
    }
    face_ = face;
    platform::setSpokenText(this, QString(), described_.arg(face));
    update();
}

void DieView::tellFaceAtRest() {
    platform::tellSpokenTextChanged(this);
}

void DieView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(rect(), pictures_.at(static_cast<std::size_t>(face_) - 1));
}
