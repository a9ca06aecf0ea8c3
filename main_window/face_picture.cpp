#include "face_picture.h"

#include <QPainter>
#include <utility>

#include "accessibility.h"

FacePicture::FacePicture(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    platform::installAccessibleGraphics();
}

void FacePicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}
