// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QList>

#include "fonts.h"

namespace {

TEST(Fonts, RequestsTheDesignFaceByItsOwnName) {
    EXPECT_EQ(platform::designFont(12).family(), QStringLiteral("ＭＳ Ｐゴシック"));
}

// The captions are laid out for a proportional Japanese face; a monospaced stand-in
// overflows them.
TEST(Fonts, ResolvesToAProportionalJapaneseFace) {
    const QFontInfo resolved(platform::designFont(15.75, true));
    EXPECT_TRUE(resolved.family() == QStringLiteral("IPAPGothic") ||
                resolved.family() == QStringLiteral("ＭＳ Ｐゴシック"))
        << resolved.family().toStdString();
    EXPECT_FALSE(resolved.fixedPitch());
    EXPECT_TRUE(QFontDatabase::writingSystems(resolved.family()).contains(QFontDatabase::Japanese));
}

struct SizeCase {
    qreal points;
    int pixels;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.points << " pt";
}

class FontSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontSize, IsAWholeNumberOfPixelsAtNinetySixDpi) {
    EXPECT_EQ(QFontInfo(platform::designFont(GetParam().points)).pixelSize(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontSize,
                         ::testing::Values(SizeCase{9.75, 13}, SizeCase{11.25, 15},
                                           SizeCase{12.0, 16}, SizeCase{14.25, 19},
                                           SizeCase{15.75, 21}));

}  // namespace
