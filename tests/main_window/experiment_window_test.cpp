// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "support/golden.h"
#include "support/window_harness.h"

namespace {

// The window at start-up; every face of each die as the window shows it (a row a throw); the
// window with the table the throws made.
TEST(ExperimentWindowPicture, IsAsReviewedAtStartUpAndAfterKnownThrows) {
    const WindowHarness harness;
    harness.start();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-start"));
    const QRect dice(150, 44, 226, 72);
    QImage faces(dice.width(), dice.height() * 6, QImage::Format_RGB32);
    QPainter painter(&faces);
    for (int face = 1; face <= 6; ++face) {
        harness.throwManually(face, 7 - face);
        painter.drawImage(0, dice.height() * (face - 1),
                          windowPicture(harness.window.get()).copy(dice));
    }
    painter.end();
    for (const auto& [large, small] : {std::pair{3, 5}, {1, 1}, {5, 5}}) {
        harness.throwManually(large, small);
    }
    expectGolden(faces, QStringLiteral("dice-faces"));
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-after-throws"));
}

// What no picture shows: the fixed client area, the timers' intervals, Tab's order among the
// buttons; and a closed graph window is discarded, so that the next one starts blank.
TEST(ExperimentWindowControls, KeepTheirDesignedMakeUp) {
    const WindowHarness harness;
    harness.start();
    EXPECT_EQ(harness.window->minimumSize(), QSize(521, 480));
    EXPECT_EQ(harness.window->maximumSize(), QSize(521, 480));
    for (const auto& [timer, interval] :
         {std::pair{Timer::LargeDie, 50}, {Timer::SmallDie, 50}, {Timer::Run, 100}}) {
        const QTimer* found = harness.window->timer(timer);
        EXPECT_EQ(found->interval() * 10 + found->timerType(), interval * 10 + Qt::PreciseTimer);
    }
    std::vector<Button> order;
    QWidget* widget = harness.button(Button::StopDice);
    do {
        for (std::size_t i = 0; i < buttons::kButtonCount; ++i) {
            if (widget == harness.button(static_cast<Button>(i))) {
                order.push_back(static_cast<Button>(i));
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget != harness.button(Button::StopDice));
    EXPECT_EQ(order, (std::vector<Button>{Button::StopDice, Button::Exit, Button::Init,
                                          Button::GraphDisplay, Button::Help, Button::ThrowDice,
                                          Button::Automatic, Button::Stop}));
    harness.window->showGraph();
    const QPointer<GraphWindow> first = harness.window->graphWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    harness.window->showGraph();
    EXPECT_NE(harness.window->graphWindow(), nullptr);
}

// Each chime stops and closes what the last one left, then names, opens and sounds its file;
// Exit's notice says the program will end.
TEST(ExperimentWindowChimes, InitHelpAndExitEachSoundTheirChimeOnce) {
    const WindowHarness harness;
    harness.start();
    const auto chime = [](const QString& file) {
        return QStringList{"Stop", "Close", "File " + file, "Open", "Sound"};
    };
    harness.window->showGraph();
    harness.window->startAfresh();
    harness.window->showHelp();
    harness.window->exitProgram();
    EXPECT_EQ(harness.sound->log,
              chime("pinpon.wav") + chime("pinpon.wav") + chime("endpinpon.wav"));
    ASSERT_EQ(harness.notice->shown.size(), 1U);
    EXPECT_EQ(harness.notice->shown[0].title + "|" + harness.notice->shown[0].text,
              "Pellorin|This software will exit.");
}

// Behind the notice nothing moves: the dice and the run stop before the chime and notice.
TEST(ExperimentWindowExit, FromTheFrameStopsTheDiceAndTheRunBeforeTheNotice) {
    for (const bool run : {false, true}) {
        const WindowHarness harness;
        harness.start();
        run ? harness.window->startRun() : harness.window->throwDice();
        bool moving = true;
        harness.notice->whileShown = [&] {
            moving = harness.moving(Timer::LargeDie) || harness.moving(Timer::SmallDie) ||
                     harness.moving(Timer::Run);
        };
        closeFromFrame(harness.window.get());
        EXPECT_FALSE(moving) << run;
        EXPECT_EQ(harness.programEnds, 1);
    }
}

}  // namespace
