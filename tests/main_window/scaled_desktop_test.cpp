// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QScreen>

#include "support/window_harness.h"

namespace {

// Run on a 1280x1024 screen at the desktop scales a classroom meets (1, 1.5 and 2), and on a
// 1024x768 one at 1.25 and 1.5 (see tests/CMakeLists.txt): every window opens at its designed
// place where that lies on the screen, and otherwise moved just enough to lie on it.
TEST(ScaledDesktop, EveryWindowLiesOnTheScreen) {
    const WindowHarness harness;
    harness.start();
    harness.window->showHelp();
    harness.window->showGraph();
    QApplication::processEvents();  // the activation that moves a framed window
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The designed client areas, in twips.
    const std::vector<std::pair<QWidget*, QRect>> windows = {
        {harness.window.get(), {3855, 1860, 7815, 7200}},
        {harness.window->graphWindow(), {3165, 1695, 9750, 5670}},
        {harness.window->helpWindow(), {3480, 2235, 8550, 7185}}};
    for (const auto& [window, twips] : windows) {
        const QRect designed(twips.topLeft() / 15, twips.size() / 15);
        EXPECT_EQ(window->size(), designed.size()) << window->objectName();
        // The frame, along each axis: at the designed place, or moved back just to the screen's
        // far edge (a pixel short at a fractional scale), or at its near edge when the window is
        // larger than the screen.
        const QRect placed = window->frameGeometry();
        const QPoint was = designed.topLeft() - (window->geometry().topLeft() - placed.topLeft());
        for (const auto& [start, length, first, room, from] :
             {std::tuple{placed.x(), placed.width(), screen.x(), screen.width(), was.x()},
              std::tuple{placed.y(), placed.height(), screen.y(), screen.height(), was.y()}}) {
            EXPECT_TRUE((start == from && start + length <= first + room) ||
                        (start < from && start >= first && first + room - start - length <= 1) ||
                        (length > room && start == first))
                << window->objectName() << " at " << start << " for " << from;
        }
    }
}

// Run on two screens side by side too: with the experiment window moved to the last screen, the
// windows it opens come up on that screen.
TEST(ScaledDesktop, OpenedWindowsComeUpOnTheScreenOfTheirOpener) {
    const WindowHarness harness;
    harness.start();
    QScreen* last = QGuiApplication::screens().back();
    harness.window->move(last->availableGeometry().topLeft());
    ASSERT_EQ(harness.window->screen(), last);
    harness.window->showHelp();
    harness.window->showGraph();
    for (QWidget* opened : {static_cast<QWidget*>(harness.window->helpWindow()),
                            static_cast<QWidget*>(harness.window->graphWindow())}) {
        EXPECT_EQ(opened->screen(), last) << opened->objectName();
        EXPECT_TRUE(last->availableGeometry().contains(opened->geometry().topLeft()));
    }
}

}  // namespace
