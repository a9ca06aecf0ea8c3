// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_box.h"

#include <QPainter>

#include "accessibility.h"

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    presentAsGraphic(this);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

QImage& PictureBox::image() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = contentsRect().size() * ratio;
    if (image_.size() != pixels) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
    }
    return image_;
}

void PictureBox::clear() {
    image().fill(Qt::white);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!image_.isNull()) {
        QPainter painter(this);
        painter.drawImage(contentsRect().topLeft(), image_);
    }
}

}  // namespace platform
