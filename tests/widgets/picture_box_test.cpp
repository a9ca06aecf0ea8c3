// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "widgets/picture_box.h"

namespace {

// Moving the window to a screen of another scale keeps the picture, scaled: nothing but
// clear() erases it.
TEST(PictureBox, KeepsItsPictureWhenThePixelDensityChanges) {
    widgets::PictureBox box;
    box.resize(104, 104);
    box.imageAt(1).setPixel(10, 20, qRgb(0, 0, 0));
    const QImage sharp = box.imageAt(2);
    ASSERT_EQ(sharp.size(), QSize(200, 200));
    for (const QPoint pixel : {QPoint(20, 40), QPoint(21, 41)}) {
        EXPECT_EQ(sharp.pixel(pixel), qRgb(0, 0, 0));
    }
    EXPECT_EQ(sharp.pixel(22, 40), qRgb(255, 255, 255));
    box.clear();
    EXPECT_EQ(box.imageAt(2).pixel(20, 40), qRgb(255, 255, 255));
}

}  // namespace
