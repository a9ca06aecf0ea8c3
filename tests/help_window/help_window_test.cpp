// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "help_text.h"
#include "help_window.h"
#include "picture_box.h"

namespace {

struct LineShape {
    int line;
    int leadingIdeographicSpaces;
    int trailingBlanks;
};

void PrintTo(const LineShape& s, std::ostream* os) {
    *os << "line " << s.line;
}

// Headings are indented by one ideographic space, paragraphs by six, continuations by five.
const std::vector<LineShape> kShapes = {
    {1, 0, 0},  {2, 1, 0},  {3, 6, 0},  {4, 5, 0},  {5, 6, 0},  {6, 5, 0},  {7, 5, 0},
    {8, 5, 0},  {9, 6, 2},  {10, 5, 0}, {11, 5, 0}, {12, 6, 0}, {13, 5, 0}, {14, 6, 1},
    {15, 5, 0}, {16, 6, 1}, {17, 5, 0}, {18, 0, 0}, {19, 1, 0}, {20, 6, 0}, {21, 5, 0},
    {22, 6, 0}, {23, 5, 0}, {24, 6, 1}, {25, 5, 1}, {26, 5, 0}, {27, 6, 0}};

QString line(int number) {
    return QString::fromUtf8(help::helpText().at(number - 1));
}

class HelpTextLine : public ::testing::TestWithParam<LineShape> {};

TEST_P(HelpTextLine, KeepsItsIndentAndTrailingBlanks) {
    const QString text = line(GetParam().line);
    int leading = 0;
    while (leading < text.size() && text[leading] == QChar(0x3000)) {
        ++leading;
    }
    int trailing = 0;
    while (trailing < text.size() && text[text.size() - 1 - trailing] == QLatin1Char(' ')) {
        ++trailing;
    }
    EXPECT_EQ(leading, GetParam().leadingIdeographicSpaces);
    EXPECT_EQ(trailing, GetParam().trailingBlanks);
}

INSTANTIATE_TEST_SUITE_P(Help, HelpTextLine, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return "Line" + std::to_string(info.param.line); });

TEST(HelpText, HasTwentySevenLinesWithItsHeadingsAndSeparators) {
    EXPECT_EQ(help::helpText().size(), 27U);
    EXPECT_TRUE(line(1).isEmpty());
    EXPECT_TRUE(line(18).isEmpty());
    EXPECT_EQ(line(2), QStringLiteral("　【Problem】"));
    EXPECT_EQ(line(19), QStringLiteral("　【Operation method】"));
    for (int number : {6, 7, 10}) {
        EXPECT_TRUE(line(number).endsWith(QStringLiteral("、"))) << number;
    }
    EXPECT_EQ(line(8).count(QStringLiteral("・")), 13);
    EXPECT_TRUE(line(13).contains(QStringLiteral("9/36 , which is reduced to 1/4.")));
}

class HelpWindowTest : public ::testing::Test {
protected:
    QImage print() {
        window.onActivated();
        return window.findChild<platform::PictureBox*>(QStringLiteral("Picture1"))->image();
    }
    static int inkIn(const QImage& image, int top, int bottom) {
        int ink = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ink += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
            }
        }
        return ink;
    }

    platform::ActivationTracker tracker;
    HelpWindow window{tracker};
};

TEST_F(HelpWindowTest, PrintsTheTextOnceFromTheSecondLine) {
    const QImage image = print();
    const int lineHeight = QFontMetrics(window.findChild<QWidget*>("Picture1")->font()).height();
    EXPECT_EQ(inkIn(image, 0, lineHeight), 0);
    EXPECT_GT(inkIn(image, lineHeight, 2 * lineHeight), 0);
    EXPECT_EQ(inkIn(image, 17 * lineHeight, 18 * lineHeight), 0);
    EXPECT_GT(inkIn(image, 26 * lineHeight, 27 * lineHeight), 0);
    EXPECT_EQ(inkIn(image, 27 * lineHeight, image.height()), 0);
}

TEST_F(HelpWindowTest, EveryActivationPrintsTheSameImage) {
    const QImage first = print();
    EXPECT_EQ(print(), first);
}

TEST_F(HelpWindowTest, HasItsPlaceCaptionAndControls) {
    EXPECT_EQ(window.geometry(), QRect(232, 149, 570, 479));
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Pellorin＿Help（Question and Operation method）6.2022"));
    EXPECT_TRUE(window.windowIcon().isNull());
    EXPECT_EQ(window.findChild<QWidget*>("Command1")->geometry(), QRect(504, 0, 57, 25));
    EXPECT_EQ(window.findChild<QWidget*>("Picture1")->geometry(), QRect(8, 32, 553, 441));
    EXPECT_EQ(print().size(), QSize(549, 437));
    EXPECT_DOUBLE_EQ(window.findChild<QWidget*>("Picture1")->font().pointSizeF(), 11.25);
}

// At the bottom row of "Close" the button is on top, not the rule under the top row.
TEST_F(HelpWindowTest, TheRuleLiesUnderTheCloseButton) {
    auto* close = window.findChild<QWidget*>(QStringLiteral("Command1"));
    EXPECT_EQ(window.childAt(close->geometry().center().x(), close->geometry().bottom()), close);
}

TEST_F(HelpWindowTest, CloseAndTheFrameCloseOnlyHideIt) {
    QSignalSpy closed(&window, &HelpWindow::closed);
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed.count(), 2);
}

}  // namespace
