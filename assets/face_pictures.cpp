// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/face_pictures.h"

#include <QPainter>
#include <QPoint>
#include <array>
#include <vector>

namespace assets {

namespace {

struct Span {
    int dy;
    int halfWidth;
};

// A small pip is a disc seven pixels across: rows of 3, 5, 7, 7, 7, 5 and 3 pixels.
constexpr std::array<Span, 7> kSmallPip = {
    {{-3, 1}, {-2, 2}, {-1, 3}, {0, 3}, {1, 3}, {2, 2}, {3, 1}}};

struct FaceDesign {
    QSize size;
    std::vector<QPoint> pips;
};

const FaceDesign& design(int face) {
    static const std::array<FaceDesign, 6> designs = {{
        {{32, 32}, {}},
        {{31, 31}, {{23, 7}, {7, 23}}},
        {{31, 31}, {{23, 7}, {15, 15}, {7, 23}}},
        {{31, 31}, {{7, 7}, {23, 7}, {7, 23}, {23, 23}}},
        {{31, 31}, {{7, 7}, {23, 7}, {15, 15}, {7, 23}, {23, 23}}},
        {{32, 33}, {{9, 7}, {22, 7}, {9, 16}, {22, 16}, {9, 25}, {22, 25}}},
    }};
    return designs.at(static_cast<std::size_t>(face - 1));
}

void paintRow(QImage& image, int y, int fromX, int toX, QRgb colour) {
    for (int x = fromX; x <= toX; ++x) {
        image.setPixel(x, y, colour);
    }
}

void paintSmallPip(QImage& image, QPoint centre) {
    for (const Span& span : kSmallPip) {
        paintRow(image, centre.y() + span.dy, centre.x() - span.halfWidth,
                 centre.x() + span.halfWidth, qRgb(0, 0, 0));
    }
}

// Face 1's pip: eight pixels across in the middle of the 32-pixel square.
void paintLargePip(QImage& image) {
    const QRgb red = qRgb(255, 0, 0);
    paintRow(image, 12, 14, 17, red);
    paintRow(image, 13, 13, 18, red);
    for (int y = 14; y <= 17; ++y) {
        paintRow(image, y, 12, 19, red);
    }
    paintRow(image, 18, 13, 18, red);
    paintRow(image, 19, 14, 17, red);
}

QImage whiteSquare(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    return image;
}

}  // namespace

QImage facePicture(int face) {
    const FaceDesign& face_design = design(face);
    QImage image = whiteSquare(face_design.size);
    if (face == 1) {
        paintLargePip(image);
    }
    for (const QPoint& pip : face_design.pips) {
        paintSmallPip(image, pip);
    }
    return image;
}

QImage iconPicture() {
    QImage image = whiteSquare({32, 32});
    for (const QPoint pip : {QPoint(24, 8), QPoint(16, 16), QPoint(8, 24)}) {
        paintSmallPip(image, pip);
    }
    return image;
}

QIcon windowIcon() {
    return QIcon(QPixmap::fromImage(iconPicture()));
}

QImage applicationIcon(int size) {
    if (size == 32) {
        return iconPicture();
    }
    QImage image = whiteSquare({size, size});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double scale = size / 32.0;
    for (const QPointF pip : {QPointF(24, 8), QPointF(16, 16), QPointF(8, 24)}) {
        // Pixel (x, y) of the 32-pixel design covers x..x+1, so a pip's centre is at +0.5.
        painter.drawEllipse((pip + QPointF(0.5, 0.5)) * scale, 3.5 * scale, 3.5 * scale);
    }
    return image;
}

}  // namespace assets
