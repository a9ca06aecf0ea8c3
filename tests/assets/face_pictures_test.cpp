// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <vector>

#include "face_pictures.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

struct FaceCase {
    int face;
    QSize size;
    int pipPixels;
    std::vector<QPoint> centres;
};

void PrintTo(const FaceCase& c, std::ostream* os) {
    *os << "face " << c.face;
}

class FacePicture : public ::testing::TestWithParam<FaceCase> {};

int countNonWhite(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) != kWhite ? 1 : 0;
        }
    }
    return count;
}

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

TEST_P(FacePicture, HasItsSizeAndPipPixels) {
    const QImage image = assets::facePicture(GetParam().face);
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_EQ(countNonWhite(image), GetParam().pipPixels);
}

TEST_P(FacePicture, HasExactlyTwoColoursWithRedOnlyOnFaceOne) {
    const QSet<QRgb> colours = coloursOf(assets::facePicture(GetParam().face));
    const QRgb pip = GetParam().face == 1 ? kRed : kBlack;
    EXPECT_EQ(colours, (QSet<QRgb>{kWhite, pip}));
}

// A small pip is a 7-pixel disc: full row through its centre, three pixels at its tips,
// white just beyond them.
TEST_P(FacePicture, HasSmallPipsAtTheirCentres) {
    const QImage image = assets::facePicture(GetParam().face);
    for (const QPoint& c : GetParam().centres) {
        EXPECT_EQ(image.pixel(c.x() - 3, c.y()), kBlack) << c.x() << "," << c.y();
        EXPECT_EQ(image.pixel(c.x() + 3, c.y()), kBlack);
        EXPECT_EQ(image.pixel(c.x() - 1, c.y() - 3), kBlack);
        EXPECT_EQ(image.pixel(c.x() + 1, c.y() + 3), kBlack);
        EXPECT_EQ(image.pixel(c.x() - 2, c.y() - 3), kWhite);
        EXPECT_EQ(image.pixel(c.x() - 3, c.y() - 2), kWhite);
        EXPECT_EQ(image.pixel(c.x(), c.y() - 4), kWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Assets, FacePicture,
    ::testing::Values(
        FaceCase{1, {32, 32}, 52, {}}, FaceCase{2, {31, 31}, 74, {{23, 7}, {7, 23}}},
        FaceCase{3, {31, 31}, 111, {{23, 7}, {15, 15}, {7, 23}}},
        FaceCase{4, {31, 31}, 148, {{7, 7}, {23, 7}, {7, 23}, {23, 23}}},
        FaceCase{5, {31, 31}, 185, {{7, 7}, {23, 7}, {15, 15}, {7, 23}, {23, 23}}},
        FaceCase{6, {32, 33}, 222, {{9, 7}, {22, 7}, {9, 16}, {22, 16}, {9, 25}, {22, 25}}}),
    [](const auto& info) { return "Face" + std::to_string(info.param.face); });

TEST(FacePictures, FaceOneHasOneLargeRedPipInTheMiddle) {
    const QImage image = assets::facePicture(1);
    EXPECT_EQ(image.pixel(12, 14), kRed);
    EXPECT_EQ(image.pixel(19, 17), kRed);
    EXPECT_EQ(image.pixel(14, 12), kRed);
    EXPECT_EQ(image.pixel(13, 12), kWhite);
    EXPECT_EQ(image.pixel(12, 13), kWhite);
    EXPECT_EQ(image.pixel(11, 15), kWhite);
}

// Faces 2 to 5 keep a white margin of four pixels on every side.
TEST(FacePictures, LatticeFacesKeepFourPixelMargins) {
    for (int face = 2; face <= 5; ++face) {
        const QImage image = assets::facePicture(face);
        EXPECT_EQ(countNonWhite(image.copy(4, 4, 23, 23)), countNonWhite(image)) << face;
        EXPECT_EQ(countNonWhite(image.copy(4, 4, 1, 23)) + countNonWhite(image.copy(26, 4, 1, 23)),
                  2 * (face == 2 || face == 3 ? 3 : 6))
            << face;
    }
    // Faces 2 and 3 run from the top right to the bottom left.
    for (int face : {2, 3}) {
        const QImage image = assets::facePicture(face);
        EXPECT_EQ(image.pixel(23, 7), kBlack) << face;
        EXPECT_EQ(image.pixel(7, 7), kWhite) << face;
        EXPECT_EQ(image.pixel(23, 23), kWhite) << face;
    }
}

TEST(FacePictures, IconIsTheThreePipFaceOnAThirtyTwoPixelSquare) {
    const QImage icon = assets::iconPicture();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(countNonWhite(icon), 111);
    for (const QPoint c : {QPoint(24, 8), QPoint(16, 16), QPoint(8, 24)}) {
        EXPECT_EQ(icon.pixel(c.x() - 3, c.y()), kBlack);
        EXPECT_EQ(icon.pixel(c.x(), c.y() + 3), kBlack);
        EXPECT_EQ(icon.pixel(c.x(), c.y() + 4), kWhite);
    }
    EXPECT_FALSE(icon.hasAlphaChannel());
}

}  // namespace

namespace {

// The executable's icon file holds the design picture itself at 32 x 32 in 24-bit colour;
// the other sizes are drawn afresh for desktops that show 16 to 256 pixels.
TEST(ApplicationIcon, ItsThirtyTwoPixelEntryIsTheDesignPictureInTwentyFourBits) {
    QFile file(QStringLiteral(APPLICATION_ICO));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int entries = qFromLittleEndian<quint16>(data + 4);
    int bits = 0;
    for (int i = 0; i < entries; ++i) {
        if (data[6 + 16 * i] == 32) {
            bits = qFromLittleEndian<quint16>(data + 6 + 16 * i + 6);
        }
    }
    EXPECT_EQ(bits, 24);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "ico");
    QImage design;
    for (int i = 0; i < reader.imageCount() && design.isNull(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        design = image.size() == QSize(32, 32) ? image : QImage();
    }
    ASSERT_FALSE(design.isNull());
    EXPECT_EQ(design.convertToFormat(QImage::Format_RGB32),
              assets::iconPicture().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
