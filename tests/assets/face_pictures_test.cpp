// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImageReader>

#include "support/files.h"
#include "support/golden.h"

namespace {

// The executable's icon file holds the design picture itself at 32 x 32 in 24-bit colour (the
// reviewed picture: white, three black pips from top right to bottom left); the other sizes
// are drawn afresh for desktops that show 16 to 256 pixels.
TEST(ApplicationIcon, ItsThirtyTwoPixelEntryIsTheDesignPictureInTwentyFourBits) {
    const QByteArray bytes = contentsOf(QStringLiteral(APPLICATION_ICO));
    ASSERT_FALSE(bytes.isEmpty());
    // After a 6-byte header, a 16-byte entry per picture: its width first, its bits at 6.
    int bits = 0;
    for (int entry = 6; entry < 6 + 16 * bytes.at(4); entry += 16) {
        bits = bytes.at(entry) == 32 ? bytes.at(entry + 6) : bits;
    }
    EXPECT_EQ(bits, 24);
    QImageReader reader(QStringLiteral(APPLICATION_ICO), "ico");
    QImage design;
    for (int i = 0; i < reader.imageCount() && design.size() != QSize(32, 32); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        design = reader.read();
    }
    expectGolden(design, QStringLiteral("icon-32"));
}

}  // namespace
