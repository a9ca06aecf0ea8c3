// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "activation.h"

namespace {

void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::processEvents();
}

// A window is activated when it becomes the active one after another of the program's
// windows (or none), not when the user comes back to it from another application. (That a
// discarded graph window hands activation back, the steps table shows.)
TEST(Activation, CountsOnlyMovesBetweenTheProgramsOwnWindows) {
    platform::ActivationTracker tracker;
    QWidget first;
    QWidget foreign;  // another application's window
    int firstActivations = 0;
    tracker.watch(&first, [&] { ++firstActivations; });
    activate(first);
    EXPECT_EQ(firstActivations, 1);
    activate(foreign);
    activate(first);
    EXPECT_EQ(firstActivations, 1);
    QWidget second;
    tracker.watch(&second, [] {});
    activate(second);
    activate(first);
    EXPECT_EQ(firstActivations, 2);
}

}  // namespace
