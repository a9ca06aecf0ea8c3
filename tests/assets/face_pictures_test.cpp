// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include "support/golden.h"

namespace {

// The executable's icon file holds the design picture itself at 32 x 32 in 24-bit colour (the
// reviewed picture: white, three black pips from top right to bottom left); the other sizes
// are drawn afresh for desktops that show 16 to 256 pixels.
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
    expectGolden(design, QStringLiteral("icon-32"));
}

}  // namespace
