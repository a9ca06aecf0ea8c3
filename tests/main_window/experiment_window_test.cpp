// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "support/golden.h"
#include "support/window_harness.h"

namespace {

// The window at start-up, also at higher pixel densities; every face of each die as the window
// shows it (a row a throw); the window with the table the throws made.
TEST(ExperimentWindowPicture, IsAsReviewedAtStartUpAndAfterKnownThrows) {
    const WindowHarness harness;
    harness.start();
    expectGolden(windowPicture(harness.window.get()), QStringLiteral("experiment-start"));
    // On screens of 1.5 and 2 device pixels a logical pixel, bold captions stay bold.
    for (const qreal density : {1.5, 2.0}) {
        QImage picture(harness.window->size() * density, QImage::Format_RGB32);
        picture.setDevicePixelRatio(density);
        harness.window->render(&picture);
        expectGolden(picture, QString("experiment-start@%1x").arg(density));
    }
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

// What no picture shows: the fixed client area; and a closed graph
// window is discarded, so that the next one starts blank. (Tab's order among the buttons is
// the end-to-end tour's way through them.)
TEST(ExperimentWindowControls, KeepTheirDesignedMakeUp) {
    const WindowHarness harness;
    harness.start();
    EXPECT_EQ(harness.window->minimumSize(), harness.window->maximumSize());
    harness.window->showGraph();
    const QPointer<GraphWindow> first = harness.window->graphWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    harness.window->showGraph();
    EXPECT_NE(harness.window->graphWindow(), nullptr);
}

// Each chime stops and closes what the last one left, then names, opens and sounds its file.
// Exit from the frame, while the dice spin or a run goes: behind its notice, which says the
// program will end, nothing moves.
TEST(ExperimentWindowChimes, InitHelpAndExitEachSoundTheirChimeOnceAndExitStopsAll) {
    for (const bool run : {false, true}) {
        const WindowHarness harness;
        harness.start();
        harness.window->showGraph();
        harness.window->startAfresh();
        harness.window->showHelp();
        run ? harness.window->session()->startRun() : harness.window->session()->throwDice();
        bool moving = true;
        harness.notice->whileShown = [&] {
            moving = harness.moving(Timer::LargeDie) || harness.moving(Timer::SmallDie) ||
                     harness.moving(Timer::Run);
        };
        closeFromFrame(harness.window.get());
        EXPECT_FALSE(moving) << run;
        EXPECT_EQ(harness.programEnds, 1);
        EXPECT_EQ(harness.sound->log.join(','),
                  "Stop,Close,File pinpon.wav,Open,Sound,Stop,Close,File pinpon.wav,Open,Sound,"
                  "Stop,Close,File endpinpon.wav,Open,Sound");
        ASSERT_EQ(harness.notice->shown.size(), 1U);
        EXPECT_EQ(harness.notice->shown[0].title + "|" + harness.notice->shown[0].text,
                  "Pellorin|This software will exit.");
    }
}

}  // namespace
