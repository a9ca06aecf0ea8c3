// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "doubles/desktop_doubles.h"
#include "drawings/ratio_graph.h"
#include "graph_window/graph_window.h"
#include "support/golden.h"
#include "widgets/picture_box.h"

namespace {

// What the graph window takes from the desktop to let its picture be taken away.
struct Desk : TakeAwayDoubles {
    platform::ActivationTracker tracker;
    // The page the window prints: a black square.
    std::function<take_away::Document()> page = [] {
        return take_away::Document{"Square", [](QPainter& painter, const QRect& area) {
                                       painter.fillRect(area.left(), area.top(), 100, 100,
                                                        Qt::black);
                                   }};
    };
};

// `count` experiments with an odd product at every 4th and a few more early on, so that the
// line settles towards 1/4 from above, with peaks, valleys and level stretches.
experiment_core::Tally historyOf(int count) {
    experiment_core::Tally tally;
    for (int n = 1; n <= count; ++n) {
        const std::int16_t face = n % 4 == 1 || n == 6 || n == 10 || n == 29 ? 1 : 2;
        tally.addThrow(face, face);
    }
    return tally;
}

// The whole window as a pupil sees it after the graph is drawn (and drawn again, which must
// change nothing): empty, with one point, and after 1000 experiments.
TEST(GraphPicture, IsAsReviewed) {
    for (const auto& [count, golden] :
         {std::pair{0, "graph-empty"}, std::pair{1, "graph-one-point"},
          std::pair{1000, "graph-thousand"}}) {
        const experiment_core::Tally tally = historyOf(count);
        Desk desk;
        GraphWindow window(tally, desk.tracker, desk.takeAway, desk.page, [](QWidget*) {});
        window.show();
        window.onActivated();
        window.onActivated();
        expectGolden(windowPicture(&window), QString::fromUtf8(golden));
    }
}

// On a high-density screen lines stay one logical pixel wide (two device pixels) and the
// texts keep their places. (With the window's pictures this shows every point of a history
// drawn, a lone one too, whatever the line does.)
TEST(GraphDrawing, IsAsReviewedAtDoubleDensity) {
    QImage image(QSize(629, 317) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawings::drawRatioGraph(painter, {629, 317}, historyOf(1000).record(), 2);
    expectGolden(image, QStringLiteral("graph-thousand@2x"));
}

// In use: the canvas holds the focus when the window opens (a Space or Return meant for the
// experiment window must not close the graph), Close comes next; a screen reader reads how
// the ratio went at 10, 20, 50, ... experiments, up to the count itself. Shift+F10 opens the
// menu. Ctrl+C copies the picture as drawn, Ctrl+S saves it as PNG where the user chose.
TEST(GraphWindowInUse, FocusesTheCanvasTellsTheRatiosAndGivesThePictureAway) {
    const experiment_core::Tally tally = historyOf(100);
    Desk desk;
    GraphWindow window(tally, desk.tracker, desk.takeAway, desk.page, [](QWidget*) {});
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();
    auto* canvas = window.findChild<widgets::PictureBox*>(QStringLiteral("Picture1"));
    EXPECT_EQ(window.focusWidget(), canvas);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(canvas)->text(QAccessible::Description),
              "after 10: 0.500, after 20: 0.350, after 50: 0.300, after 100: 0.270");
    QTest::keySequence(&window, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->image(), canvas->image());
    QTemporaryDir folder;
    desk.dialog.answer = folder.filePath(QStringLiteral("graph.png"));
    QTest::keySequence(&window, QKeySequence::Save);
    EXPECT_EQ(desk.dialog.suggested, "pellorin-graph.png");
    EXPECT_EQ(QImage(desk.dialog.answer).convertToFormat(canvas->image().format()),
              canvas->image());
    QTest::keyClick(canvas, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window.findChild<QMenu*>()->isVisible());
    window.findChild<QMenu*>()->hide();
    QTest::keyClick(canvas, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), window.findChild<QWidget*>(QStringLiteral("Command1")));
}

}  // namespace
