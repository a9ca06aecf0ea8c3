// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTimer>
#include <vector>

#include "face_pictures.h"
#include "support/window_harness.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kCyan(192, 255, 255);

// What the experiment window must hold, written down independently of the window's own
// table. Rectangles in twips; `back` and `ink` are invalid where the desktop decides.
struct Expected {
    QString name;
    QString kind;
    QString caption;
    QRect twips;
    double points = 0.0;
    bool bold = false;
    QColor back{};
    QColor ink{};
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.name.toStdString();
}

std::vector<Expected> expectedControls() {
    const auto valueLabel = [](const QString& name, int left, int top, int width, double points,
                               const QString& caption = {}, QColor ink = {}) {
        return Expected{name,   "label", caption, QRect(left, top, width, 375),
                        points, true,    kWhite,  ink};
    };
    std::vector<Expected> all = {
        {"Command3", "button", "Stop", {4920, 6360, 1935, 615}, 14.25, true},
        {"Command1", "button", "Automatic", {2760, 6360, 1935, 615}, 14.25, true},
        {"Command8", "button", "Throw the dice", {5640, 5040, 1935, 495}, 12, true},
        {"Command7", "button", "Help", {6120, 0, 855, 375}, 11.25, false},
        {"Command6", "button", "Graph display", {360, 6360, 1935, 615}, 12, true},
        {"Command5", "button", "Init", {6960, 0, 855, 375}, 11.25, false},
        {"Command4", "button", "Exit", {0, 0, 855, 375}, 11.25, false},
        {"Command2", "button", "Stop the dice", {5640, 5640, 1935, 495}, 12, true},
        valueLabel("Label9", 120, 5760, 3495, 12, "Percentage of odd products"),
        valueLabel("Label8", 3720, 5760, 1575, 15.75),
        valueLabel("Label6", 120, 5400, 3615, 12, "Number of odd products"),
        valueLabel("Label4", 3720, 5400, 1575, 15.75),
        valueLabel("Label17", 3720, 5040, 1575, 15.75),
        valueLabel("Label16", 120, 5040, 3495, 11.25, "Number of experiments"),
        valueLabel("Label3", 120, 2400, 1455, 9.75, "Large＼Small"),
        {"Label15", "label", "Pellorin", {1200, 0, 4575, 375}, 15.75, true, kCyan},
        {"Label2", "label", "Small dice", {4320, 1800, 1575, 375}, 15.75, true},
        {"Label1", "label", "Large dice", {2040, 1800, 1575, 375}, 15.75, true},
        {"MMControl1", "hidden", "", {3960, 480, 3540, 330}},
        {"Line1", "line", "", {-240, 360, 8160, 15}},
    };
    const QStringList digits = {"１", "２", "３", "４", "５", "６"};
    const QStringList rowHeaders = {"Label21", "Label22", "Label23",
                                    "Label24", "Label25", "Label26"};
    const QStringList columnHeaders = {"Label5",  "Label7",  "Label10",
                                       "Label11", "Label18", "Label19"};
    for (int i = 0; i < 6; ++i) {
        all.push_back(
            valueLabel(rowHeaders[i], 120, 2760 + 360 * i, 1455, 15.75, digits[i], kBlack));
        all.push_back(
            valueLabel(columnHeaders[i], 1560 + 960 * i, 2400, 975, 15.75, digits[i], kBlack));
    }
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small) {
            const bool odd = large % 2 == 1 && small % 2 == 1;
            all.push_back(valueLabel(QStringLiteral("d%1%2").arg(large).arg(small),
                                     1560 + 960 * (small - 1), 2760 + 360 * (large - 1), 975, 15.75,
                                     {}, odd ? kBlue : kBlack));
        }
    }
    for (int face = 1; face <= 6; ++face) {
        all.push_back({QStringLiteral("Image1(%1)").arg(face), "image", "", {2280, 720, 945, 975}});
        all.push_back({QStringLiteral("Image2(%1)").arg(face), "image", "", {4800, 960, 705, 735}});
    }
    return all;
}

QRect pixels(const QRect& twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

class ExperimentWindowLayout : public ::testing::TestWithParam<Expected> {
protected:
    WindowHarness harness;
};

TEST_P(ExperimentWindowLayout, ControlStandsAtItsPlaceWithItsLook) {
    const Expected& expected = GetParam();
    auto* widget = harness.form->findChild<QWidget*>(expected.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), pixels(expected.twips));
    if (expected.kind == "button" || expected.kind == "label") {
        const QString caption = expected.kind == "button"
                                    ? qobject_cast<QAbstractButton*>(widget)->text()
                                    : qobject_cast<QLabel*>(widget)->text();
        EXPECT_EQ(caption, expected.caption);
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), expected.points);
        EXPECT_EQ(widget->font().bold(), expected.bold);
        EXPECT_EQ(widget->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        const QFontInfo resolved(widget->font());
        EXPECT_FALSE(resolved.fixedPitch()) << resolved.family().toStdString();
        EXPECT_TRUE(
            QFontDatabase::writingSystems(resolved.family()).contains(QFontDatabase::Japanese));
    }
    if (expected.kind == "label") {
        const QColor desktopFace = harness.form->palette().color(QPalette::Button);
        EXPECT_EQ(widget->palette().color(QPalette::Window),
                  expected.back.isValid() ? expected.back : desktopFace);
        if (expected.ink.isValid()) {
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), expected.ink);
        }
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    }
    if (expected.kind == "image") {
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    }
    if (expected.kind == "hidden") {
        EXPECT_TRUE(widget->isHidden());
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ExperimentWindowLayout, ::testing::ValuesIn(expectedControls()),
    [](const auto& info) {
        return QString(info.param.name).replace('(', '_').remove(')').toStdString();
    });

TEST(MainWindowLayout, HoldsEightyThreeControls) {
    const WindowHarness harness;
    int found = 0;
    for (const Expected& expected : expectedControls()) {
        found += harness.form->findChild<QObject*>(expected.name) != nullptr ? 1 : 0;
    }
    for (int number = 1; number <= 3; ++number) {
        found += harness.timer(number) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(found, 83);
}

TEST(MainWindowLayout, TimersArePreciseAndStartDisabled) {
    const WindowHarness harness;
    const std::vector<std::pair<int, int>> intervals = {{1, 50}, {2, 50}, {3, 100}};
    for (const auto& [number, interval] : intervals) {
        EXPECT_EQ(harness.timer(number)->interval(), interval);
        EXPECT_EQ(harness.timer(number)->timerType(), Qt::PreciseTimer);
        EXPECT_FALSE(harness.timer(number)->isActive());
    }
}

TEST(MainWindowLayout, WindowHasItsCaptionPlaceFixedSizeAndIcon) {
    const WindowHarness harness;
    ExperimentWindow& form = *harness.form;
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Pellorin ")));
    EXPECT_GT(form.windowTitle().size(), 9);
    EXPECT_EQ(form.geometry(), QRect(257, 124, 521, 480));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32),
              assets::iconPicture());
}

TEST(MainWindowLayout, FocusMovesAmongTheButtonsInOrder) {
    const WindowHarness harness;
    QStringList order;
    QWidget* widget = harness.button(2);
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != harness.button(2));
    EXPECT_EQ(order, (QStringList{"Command2", "Command4", "Command5", "Command6", "Command7",
                                  "Command8", "Command1", "Command3"}));
}

// The rendered window, grabbed offscreen at 96 dpi.
class ExperimentWindowRendering : public ::testing::Test {
protected:
    void SetUp() override { harness.start(); }
    [[nodiscard]] QImage grab() const { return harness.form->grab().toImage(); }
    static bool hasColour(const QImage& image, const QRect& area, QColor colour) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    WindowHarness harness;
};

// Neighbouring cells overlap by one pixel, so they share one ruled line.
TEST_F(ExperimentWindowRendering, NeighbouringCellsShareOneBorderLine) {
    const QImage image = grab();
    const int border = (1560 + 960) / 15;  // between d11 and d12
    const int row = (2760 + 180) / 15;
    EXPECT_EQ(image.pixelColor(border, row), kBlack);
    EXPECT_EQ(image.pixelColor(border - 1, row), kWhite);
    EXPECT_EQ(image.pixelColor(border + 1, row), kWhite);
    const int between = (2760 + 360) / 15;  // between d11 and d21
    const int column = (1560 + 480) / 15;
    EXPECT_EQ(image.pixelColor(column, between), kBlack);
    EXPECT_EQ(image.pixelColor(column, between - 1), kWhite);
    EXPECT_EQ(image.pixelColor(column, between + 1), kWhite);
}

TEST_F(ExperimentWindowRendering, OddCellsShowTheirCountsInBlue) {
    harness.throwManually(1, 1);
    const QImage image = grab();
    const QRect d11 = pixels({1560, 2760, 975, 375}).adjusted(2, 2, -2, -2);
    const QRect d12 = pixels({2520, 2760, 975, 375}).adjusted(2, 2, -2, -2);
    EXPECT_TRUE(hasColour(image, d11, kBlue));
    EXPECT_FALSE(hasColour(image, d12, kBlue));
    EXPECT_TRUE(hasColour(image, d12, kBlack));
}

TEST_F(ExperimentWindowRendering, LargeDieShowsFaceOnesRedPipAtStartUp) {
    const QImage image = grab();
    EXPECT_TRUE(hasColour(image, pixels({2280, 720, 945, 975}), QColor(255, 0, 0)));
    EXPECT_TRUE(hasColour(image, pixels({4800, 960, 705, 735}), QColor(255, 0, 0)));
}

TEST_F(ExperimentWindowRendering, RuleRunsUnderTheTopRow) {
    const QImage image = grab();
    const QColor rule = harness.form->palette().color(QPalette::WindowText);
    EXPECT_EQ(image.pixelColor(68, 24), rule);  // between "Exit" and the heading
    EXPECT_NE(image.pixelColor(68, 23), rule);
}

}  // namespace
