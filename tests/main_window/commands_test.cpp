// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTest>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "picture_box.h"
#include "support/window_harness.h"

namespace {

QStringList chime(const QString& file) {
    return {"Stop", "Close", "File " + file, "Open", "Sound"};
}

class Commands : public ::testing::Test {
protected:
    void SetUp() override { harness.start(); }
    void TearDown() override {
        // Windows closed by a test are deleted here, not in the next test.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    [[nodiscard]] ExperimentWindow& form() const { return *harness.form; }
    static void activate(QWidget* window) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }

    WindowHarness harness;
};

TEST_F(Commands, EachChimeStopsClosesNamesOpensAndSounds) {
    form().startAfresh();
    EXPECT_EQ(harness.sound->log, chime("pinpon.wav"));
    form().showHelp();
    form().exitProgram();
    EXPECT_EQ(harness.sound->log,
              chime("pinpon.wav") + chime("pinpon.wav") + chime("endpinpon.wav"));
}

TEST_F(Commands, InitClearsTheTallyAndLeavesTheHelpWindowOpen) {
    form().showHelp();
    harness.throwManually(5, 3);
    harness.throwManually(2, 3);
    form().startAfresh();
    EXPECT_EQ(harness.label("Label17"), "0");
    EXPECT_EQ(harness.label("Label4"), "0");
    EXPECT_EQ(harness.label("Label8"), "0.000");
    EXPECT_EQ(harness.label("d53"), "0");
    EXPECT_EQ(harness.enabledButtons(), "14578");
    EXPECT_EQ(form().record().ratioHistory[1], 0.0F);
    EXPECT_EQ(form().record().ratioHistory[2], 0.0F);
    ASSERT_NE(form().helpWindow(), nullptr);
    EXPECT_TRUE(form().helpWindow()->isVisible());
    EXPECT_EQ(form().tally().largeFace(), 2);
}

TEST_F(Commands, HelpTwiceShowsOneWindowAndChimesTwice) {
    form().showHelp();
    HelpWindow* first = form().helpWindow();
    form().showHelp();
    EXPECT_EQ(form().helpWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(harness.sound->log.count("Sound"), 2);
    EXPECT_EQ(harness.enabledButtons(), "145678");
}

TEST_F(Commands, GraphDisplayRightAfterStartUpReplacesTheExperimentWindow) {
    ASSERT_TRUE(harness.button(6)->isEnabled());
    form().showGraph();
    EXPECT_FALSE(form().isVisible());
    ASSERT_NE(form().graphWindow(), nullptr);
    EXPECT_TRUE(form().graphWindow()->isVisible());
    EXPECT_TRUE(harness.sound->log.isEmpty());
}

TEST_F(Commands, GraphCloseDiscardsItAndBringsTheExperimentWindowBack) {
    harness.throwManually(6, 6);
    form().showGraph();
    QCoreApplication::processEvents();
    QPointer<GraphWindow> graph = form().graphWindow();
    graph->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(graph.isNull());
    EXPECT_EQ(form().graphWindow(), nullptr);
    EXPECT_TRUE(form().isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(harness.pictureShown(1, 6));
    EXPECT_TRUE(harness.pictureShown(1, 1));
}

// The closed graph window is discarded with its picture: a new one starts blank.
TEST_F(Commands, AGraphOpenedAnewAfterInitShowsNoOldPolyline) {
    for (int i = 0; i < 30; ++i) {
        harness.throwManually(1 + i % 6, 1 + i % 5);
    }
    form().showGraph();
    QCoreApplication::processEvents();
    form().graphWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    form().startAfresh();
    harness.form->onActivated();
    form().showGraph();
    form().graphWindow()->onActivated();
    const QImage canvas =
        form().graphWindow()->findChild<platform::PictureBox*>(QStringLiteral("Picture1"))->image();
    int blue = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            blue += canvas.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
        }
    }
    EXPECT_EQ(blue, 1);
}

TEST_F(Commands, ClosingTheGraphThroughItsFrameAlsoBringsTheExperimentWindowBack) {
    form().showGraph();
    form().graphWindow()->close();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(form().graphWindow(), nullptr);
}

struct EnablingEvent {
    const char* name;
    void (*after)(Commands&, WindowHarness&);
};

void PrintTo(const EnablingEvent& e, std::ostream* os) {
    *os << e.name;
}

class GraphDisplayAfterInit : public Commands,
                              public ::testing::WithParamInterface<EnablingEvent> {};

TEST_P(GraphDisplayAfterInit, StaysDisabledUntilAnEnablingEvent) {
    form().startAfresh();
    EXPECT_FALSE(harness.button(6)->isEnabled());
    form().throwDice();
    form().stopDice();
    form().startAfresh();
    harness.form->showHelp();
    EXPECT_FALSE(harness.button(6)->isEnabled());
    GetParam().after(*this, harness);
    EXPECT_TRUE(harness.button(6)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, GraphDisplayAfterInit,
                         ::testing::Values(EnablingEvent{"ARecord",
                                                         [](Commands&, WindowHarness& h) {
                                                             h.throwManually(1, 2);
                                                         }},
                                           EnablingEvent{"AStopOfARun",
                                                         [](Commands&, WindowHarness& h) {
                                                             h.form->startRun();
                                                             h.form->runStep();
                                                             h.form->stopRun();
                                                         }},
                                           EnablingEvent{"AReturnFromTheHelpWindow",
                                                         [](Commands&, WindowHarness& h) {
                                                             h.form->helpWindow()->close();
                                                             QCoreApplication::processEvents();
                                                         }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, GraphDisplayWithTheHelpOpenAndBackThroughTheHelpClose) {
    form().showHelp();
    QCoreApplication::processEvents();
    form().showGraph();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(form().helpWindow()->isVisible());
    GraphWindow* graph = form().graphWindow();
    form().helpWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(form().helpWindow()->isVisible());
    EXPECT_TRUE(graph->isVisible());
    form().showGraph();
    EXPECT_EQ(form().graphWindow(), graph);
    EXPECT_FALSE(form().isVisible());
}

TEST_F(Commands, ClosingTheHelpThroughItsFrameOnlyHidesIt) {
    form().showHelp();
    HelpWindow* help = form().helpWindow();
    help->close();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(form().helpWindow(), help);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(Commands, ExitShowsItsNoticeAndEndsTheProgram) {
    form().exitProgram();
    ASSERT_EQ(harness.notice->shown.size(), 1U);
    EXPECT_EQ(harness.notice->shown[0].title, "Pellorin");
    EXPECT_EQ(harness.notice->shown[0].text, "This software will exit.");
    EXPECT_EQ(harness.programEnds, 1);
    EXPECT_EQ(harness.sound->log, chime("endpinpon.wav"));
}

// Hiding the window instead would leave the program running with no way back.
TEST_F(Commands, ClosingTheExperimentWindowEndsTheProgramAsExitDoes) {
    form().close();
    EXPECT_EQ(harness.notice->shown.size(), 1U);
    EXPECT_EQ(harness.programEnds, 1);
    EXPECT_EQ(harness.sound->log, chime("endpinpon.wav"));
}

// Behind the notice nothing moves: the dice and the run stop before the chime and notice.
TEST(ExitWhileThingsMove, StopsTheDiceAndTheRunBeforeTheNotice) {
    for (const bool run : {false, true}) {
        WindowHarness harness;
        harness.start();
        run ? harness.form->startRun() : harness.form->throwDice();
        bool moving = true;
        QString countBefore;
        QString countAfter;
        harness.notice->whileShown = [&] {
            moving = harness.timer(1)->isActive() || harness.timer(2)->isActive() ||
                     harness.timer(3)->isActive();
            countBefore = harness.label("Label17");
            QTest::qWait(350);
            countAfter = harness.label("Label17");
        };
        closeFromFrame(harness.form.get());
        EXPECT_FALSE(moving) << (run ? "run" : "dice");
        EXPECT_EQ(countAfter, countBefore);
        EXPECT_EQ(harness.programEnds, 1);
    }
}

// No chime files and, offscreen, no audio device: the commands behave as with sound.
TEST(CommandsWithoutSound, MissingChimesChangeNothingButTheSilence) {
    QTemporaryDir empty;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(empty.path());
    {
        WindowHarness harness(nullptr, std::make_unique<platform::SinkSoundControl>());
        harness.start();
        harness.throwManually(3, 3);
        harness.form->startAfresh();
        EXPECT_EQ(harness.label("Label17"), "0");
        harness.form->showHelp();
        EXPECT_TRUE(harness.form->helpWindow()->isVisible());
        harness.form->exitProgram();
        EXPECT_EQ(harness.programEnds, 1);
    }
    QDir::setCurrent(previous);
}

}  // namespace
