// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "activation.h"

namespace {

struct Windows {
    platform::ActivationTracker tracker;
    QWidget first;
    QWidget second;
    QWidget foreign;  // stands for another application's window
    int firstActivations = 0;
    int secondActivations = 0;

    Windows() {
        tracker.watch(&first, [this] { ++firstActivations; });
        tracker.watch(&second, [this] { ++secondActivations; });
    }
    static void activate(QWidget& window) {
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }
};

TEST(Activation, FirstShowingActivates) {
    Windows windows;
    Windows::activate(windows.first);
    EXPECT_EQ(windows.firstActivations, 1);
    EXPECT_EQ(windows.secondActivations, 0);
}

TEST(Activation, MovingBetweenTheProgramsWindowsActivatesEachTime) {
    Windows windows;
    Windows::activate(windows.first);
    Windows::activate(windows.second);
    Windows::activate(windows.first);
    EXPECT_EQ(windows.firstActivations, 2);
    EXPECT_EQ(windows.secondActivations, 1);
}

TEST(Activation, ComingBackFromAnotherApplicationDoesNotActivate) {
    Windows windows;
    Windows::activate(windows.first);
    Windows::activate(windows.foreign);
    Windows::activate(windows.first);
    EXPECT_EQ(windows.firstActivations, 1);
}

TEST(Activation, ADiscardedWindowHandsActivationBack) {
    platform::ActivationTracker tracker;
    QWidget main;
    int mainActivations = 0;
    tracker.watch(&main, [&] { ++mainActivations; });
    Windows::activate(main);
    {
        auto graph = std::make_unique<QWidget>();
        tracker.watch(graph.get(), [] {});
        Windows::activate(*graph);
    }
    Windows::activate(main);
    EXPECT_EQ(mainActivations, 2);
}

}  // namespace
