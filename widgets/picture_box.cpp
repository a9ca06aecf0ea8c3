// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_box.h"

#include <QPainter>

#include "platform/accessibility.h"

namespace widgets {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    platform::presentAsGraphic(this);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

QImage& PictureBox::image() {
    return imageAt(devicePixelRatioF());
}

QImage& PictureBox::imageAt(qreal devicePixelRatio) {
    const QSize logical = contentsRect().size();
    const QSize pixels = logical * devicePixelRatio;
    if (image_.size() != pixels) {
        QImage resized(pixels, QImage::Format_RGB32);
        resized.setDevicePixelRatio(devicePixelRatio);
        resized.fill(Qt::white);
        if (!image_.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(QRect(QPoint(0, 0), logical), image_);
        }
        image_ = resized;
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

}  // namespace widgets
