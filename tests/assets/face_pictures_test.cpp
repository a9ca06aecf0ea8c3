// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <functional>

#include "face_pictures.h"

namespace {

// The pips of a picture: its connected groups of non-white pixels, as colour -> count.
std::map<QRgb, int> pips(const QImage& picture) {
    std::map<QRgb, int> found;
    std::vector<bool> seen(static_cast<std::size_t>(picture.width() * picture.height()));
    const std::function<void(int, int, QRgb)> fill = [&](int x, int y, QRgb colour) {
        const auto at = static_cast<std::size_t>(y * picture.width() + x);
        if (!picture.valid(x, y) || seen[at] || picture.pixel(x, y) != colour) {
            return;
        }
        seen[at] = true;
        fill(x + 1, y, colour);
        fill(x - 1, y, colour);
        fill(x, y + 1, colour);
        fill(x, y - 1, colour);
    };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            if (colour != qRgb(255, 255, 255) &&
                !seen[static_cast<std::size_t>(y * picture.width() + x)]) {
                ++found[colour];
                fill(x, y, colour);
            }
        }
    }
    return found;
}

// Face i shows i pips: one large red pip on face 1, black pips elsewhere; the icon shows
// three.
TEST(FacePictures, FaceIShowsIPips) {
    EXPECT_EQ(pips(assets::facePicture(1)), (std::map<QRgb, int>{{qRgb(255, 0, 0), 1}}));
    for (int face = 2; face <= 6; ++face) {
        EXPECT_EQ(pips(assets::facePicture(face)), (std::map<QRgb, int>{{qRgb(0, 0, 0), face}}))
            << face;
    }
    EXPECT_EQ(pips(assets::iconPicture()), (std::map<QRgb, int>{{qRgb(0, 0, 0), 3}}));
}

// The executable's icon file holds the design picture itself at 32 x 32 in 24-bit colour;
// the other sizes are drawn afresh for desktops that show 16 to 256 pixels.
TEST(ApplicationIcon, ItsThirtyTwoPixelEntryIsTheDesignPictureInTwentyFourBits) {
    QFile file(QStringLiteral(APPLICATION_ICO));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    int bits = 0;
    for (int i = 0; i < qFromLittleEndian<quint16>(data + 4); ++i) {
        bits = data[6 + 16 * i] == 32 ? qFromLittleEndian<quint16>(data + 12 + 16 * i) : bits;
    }
    EXPECT_EQ(bits, 24);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "ico");
    QImage design;
    for (int i = 0; i < reader.imageCount() && design.size() != QSize(32, 32); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        design = reader.read();
    }
    EXPECT_EQ(design.convertToFormat(QImage::Format_RGB32),
              assets::iconPicture().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
