// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "graph_window.h"
#include "picture_box.h"
#include "ratio_graph.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

// The canvas's inner area is 629 x 317 pixels for 1100 x 120 units.
QPoint toPixel(double x, double y) {
    return {static_cast<int>(std::lround(x * 629 / 1100)),
            static_cast<int>(std::lround(y * 317 / 120))};
}

class GraphWindowTest : public ::testing::Test {
protected:
    QImage draw() {
        if (!window) {
            window = std::make_unique<GraphWindow>(shared, tracker);
        }
        window->onActivated();
        return window->findChild<platform::PictureBox*>(QStringLiteral("Picture1"))->image();
    }
    void record(std::initializer_list<float> ratios) {
        for (float ratio : ratios) {
            ++shared.experimentCount;
            shared.ratioHistory.at(shared.experimentCount) = ratio;
        }
    }
    // The colour is within one pixel of the point, for rounding.
    static bool near(const QImage& image, QPoint pixel, QColor colour) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint at = pixel + QPoint(dx, dy);
                if (image.rect().contains(at) && image.pixelColor(at) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    static int countColour(const QImage& image, QColor colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    experiment::ExperimentRecord shared;
    platform::ActivationTracker tracker;
    std::unique_ptr<GraphWindow> window;
};

TEST_F(GraphWindowTest, WithoutExperimentsShowsTheFrameTheScaleAndOnePoint) {
    const QImage image = draw();
    EXPECT_EQ(image.size(), QSize(629, 317));
    EXPECT_TRUE(near(image, toPixel(100, 50), kBlack));     // vertical axis
    EXPECT_TRUE(near(image, toPixel(600, 110), kBlack));    // horizontal axis
    EXPECT_TRUE(near(image, toPixel(96, 40), kBlack));      // tick on the ratio axis
    EXPECT_TRUE(near(image, toPixel(500, 110.9), kBlack));  // tick on the count axis
    EXPECT_TRUE(near(image, toPixel(505, 85), kBlack));     // a dash at 1/4
    EXPECT_EQ(image.pixelColor(toPixel(515, 85)), kWhite);  // and the gap after it
    EXPECT_TRUE(near(image, toPixel(101, 110), kBlue));
    EXPECT_EQ(countColour(image, kBlue), 1);
}

TEST_F(GraphWindowTest, ScaleTextsAreDrawnInBlack) {
    const QImage image = draw();
    for (const QRect& textArea :
         {QRect(toPixel(60, 83), QSize(20, 10)), QRect(toPixel(185, 112), QSize(15, 10)),
          QRect(toPixel(720, 100), QSize(100, 10))}) {
        EXPECT_GT(countColour(image.copy(textArea), kBlack), 5);
    }
}

struct OnePoint {
    const char* name;
    float ratio;
    double y;
};

void PrintTo(const OnePoint& c, std::ostream* os) {
    *os << c.name;
}

class GraphWindowOneExperiment : public GraphWindowTest,
                                 public ::testing::WithParamInterface<OnePoint> {};

TEST_P(GraphWindowOneExperiment, ShowsOnePointAndNoSegment) {
    record({GetParam().ratio});
    const QImage image = draw();
    EXPECT_TRUE(near(image, toPixel(101, GetParam().y), kBlue));
    EXPECT_EQ(countColour(image, kBlue), 1);
}

INSTANTIATE_TEST_SUITE_P(Graph, GraphWindowOneExperiment,
                         ::testing::Values(OnePoint{"Odd", 1.0F, 10}, OnePoint{"Even", 0.0F, 110}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RatioHeight {
    const char* name;
    float ratio;
    int y;
};

void PrintTo(const RatioHeight& c, std::ostream* os) {
    *os << c.name;
}

class GraphRatioHeight : public ::testing::TestWithParam<RatioHeight> {};

// The product is formed from the stored float: 0.29 is stored just below, so its floor is 28.
TEST_P(GraphRatioHeight, FloorsOneHundredTimesTheStoredRatio) {
    EXPECT_EQ(graph::ratioY(GetParam().ratio), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Graph, GraphRatioHeight,
    ::testing::Values(RatioHeight{"Zero", 0.0F, 110}, RatioHeight{"Quarter", 0.25F, 85},
                      RatioHeight{"One", 1.0F, 10},
                      RatioHeight{"TwentyNineHundredths", static_cast<float>(29.0 / 100.0), 82},
                      RatioHeight{"Third", static_cast<float>(1.0 / 3.0), 77},
                      RatioHeight{"TwentyNineFiftieths", static_cast<float>(29.0 / 50.0), 53}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GraphWindowTest, AQuarterLiesOnTheDashedLine) {
    for (int n = 1; n <= 100; ++n) {
        record({n == 100 ? 0.25F : 0.5F});
    }
    const QImage image = draw();
    EXPECT_TRUE(near(image, toPixel(200, 85), kBlue));
}

TEST_F(GraphWindowTest, AThousandExperimentsReachTheRightInnerEdge) {
    for (int n = 1; n <= 1000; ++n) {
        record({0.5F});
    }
    const QImage image = draw();
    EXPECT_TRUE(near(image, toPixel(101, 60), kBlue));
    EXPECT_TRUE(near(image, QPoint(image.width() - 1, toPixel(0, 60).y()), kBlue));
}

TEST_F(GraphWindowTest, RedrawingAnUnchangedHistoryChangesNothing) {
    record({1.0F, 0.5F, 0.333F, 0.25F});
    const QImage first = draw();
    const QImage second = draw();
    EXPECT_EQ(first, second);
}

// A window that stays open draws the new history over the old one.
TEST_F(GraphWindowTest, AClearedHistoryLeavesTheOldPolylineWithTheNewPoint) {
    for (int n = 1; n <= 200; ++n) {
        record({1.0F});
    }
    draw();
    shared = experiment::ExperimentRecord{};
    const QImage image = draw();
    EXPECT_TRUE(near(image, toPixel(250, 10), kBlue));
    EXPECT_TRUE(near(image, toPixel(101, 110), kBlue));
}

TEST_F(GraphWindowTest, CountsPastTheHistoryAreDrawnUpToItsLastEntry) {
    for (int n = 1; n <= 1000; ++n) {
        record({0.5F});
    }
    shared.experimentCount = 1500;
    const QImage image = draw();
    EXPECT_TRUE(near(image, QPoint(image.width() - 1, toPixel(0, 60).y()), kBlue));
}

TEST_F(GraphWindowTest, HasItsPlaceCaptionAndControls) {
    draw();
    EXPECT_EQ(window->geometry(), QRect(211, 113, 650, 378));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral(" Graph ")));
    EXPECT_TRUE(window->windowIcon().isNull());
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Command1"))->geometry(),
              QRect(584, 0, 65, 25));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Picture1"))->geometry(),
              QRect(8, 40, 633, 321));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Line5"))->geometry(),
              QRect(0, 24, 648, 1));
}

// A Space or Return meant for the experiment window must not close the graph at once.
TEST_F(GraphWindowTest, TheCanvasHoldsTheFocusWhenTheWindowOpensAndCloseComesNext) {
    draw();
    window->show();
    window->activateWindow();
    QCoreApplication::processEvents();
    auto* canvas = window->findChild<QWidget*>(QStringLiteral("Picture1"));
    EXPECT_EQ(window->focusWidget(), canvas);
    QTest::keyClick(canvas, Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), window->findChild<QWidget*>(QStringLiteral("Command1")));
}

TEST_F(GraphWindowTest, CloseAndTheFrameCloseBothHandControlBack) {
    for (const bool throughFrame : {false, true}) {
        auto form = std::make_unique<GraphWindow>(shared, tracker);
        QSignalSpy closed(form.get(), &GraphWindow::closed);
        form->show();
        if (throughFrame) {
            form->close();
        } else {
            form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        }
        EXPECT_EQ(closed.count(), 1);
        EXPECT_TRUE(form->isHidden());
    }
}

}  // namespace

namespace {

QImage drawAt(qreal ratio, const experiment::ExperimentRecord& record) {
    const QSize inner(629, 317);
    QImage image(inner * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    graph::drawRatioGraph(painter, inner, record);
    return image;
}

// The scale labels left of the axis keep two white columns before the ticks: nothing reads
// "1.0θ". The ticks' left end is found in the picture itself, at the rows where the axis has
// a tick.
TEST(GraphScale, LabelsEndTwoPixelsBeforeTheTicks) {
    const QImage image = drawAt(1, {});
    const auto black = [&image](int x, int y) { return image.pixelColor(x, y) == kBlack; };
    int axis = 0;
    int longest = 0;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run += black(x, y) ? 1 : 0;
        }
        if (run > longest) {
            longest = run;
            axis = x;
        }
    }
    int tickLeft = axis;
    int ticks = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (black(axis - 1, y) && black(axis + 1, y)) {
            ++ticks;
            int x = axis;
            while (black(x - 1, y)) {
                --x;
            }
            tickLeft = std::min(tickLeft, x);
        }
    }
    ASSERT_GE(ticks, 10);
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_FALSE(black(tickLeft - 1, y) || black(tickLeft - 2, y)) << "row " << y;
    }
}

// Lines are one logical pixel wide at any density: a flat run of ratio 1 is two device
// pixels thick at ratio 2.
TEST(GraphScale, TheDataLineIsOneLogicalPixelWideAtDoubleDensity) {
    experiment::ExperimentRecord record;
    record.experimentCount = 300;
    std::fill(record.ratioHistory.begin() + 1, record.ratioHistory.begin() + 301, 1.0F);
    const QImage image = drawAt(2, record);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        blue += image.pixelColor(image.width() / 4, y) == kBlue ? 1 : 0;
    }
    EXPECT_EQ(blue, 2);
}

}  // namespace
