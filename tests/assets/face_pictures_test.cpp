// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include "face_pictures.h"

namespace {

// The pixels of each colour other than white.
std::map<QRgb, int> inks(const QImage& picture) {
    std::map<QRgb, int> found;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            found[picture.pixel(x, y)] += picture.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    found.erase(qRgb(255, 255, 255));
    return found;
}

// Face i shows i pips: a small pip is a black disc of 37 pixels (rows of 3, 5, 7, 7, 7, 5
// and 3), face 1's large pip a red one of 52; the icon shows three small pips. Where the pips
// lie, the reviewed pictures show.
TEST(FacePictures, FaceIShowsIPips) {
    EXPECT_EQ(inks(assets::facePicture(1)), (std::map<QRgb, int>{{qRgb(255, 0, 0), 52}}));
    for (int face = 2; face <= 6; ++face) {
        EXPECT_EQ(inks(assets::facePicture(face)),
                  (std::map<QRgb, int>{{qRgb(0, 0, 0), 37 * face}}))
            << face;
    }
    EXPECT_EQ(inks(assets::iconPicture()), (std::map<QRgb, int>{{qRgb(0, 0, 0), 3 * 37}}));
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
