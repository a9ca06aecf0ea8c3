// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>

#include "mixing_generator.h"
#include "support/window_harness.h"

namespace {

// The ticks are driven directly: a run from zero would take 100 seconds of real time.
class AutomaticRun : public ::testing::Test {
protected:
    void SetUp() override { harness.start(); }

    void tick(int times) const {
        for (int i = 0; i < times; ++i) {
            harness.form->runStep();
        }
    }
    [[nodiscard]] int count() const { return harness.form->record().experimentCount; }
    [[nodiscard]] bool running() const { return harness.timer(3)->isActive(); }

    WindowHarness harness;
};

TEST_F(AutomaticRun, FromZeroRecordsOneThousandAndFinishesOnTheNextTick) {
    harness.form->startRun();
    EXPECT_EQ(harness.enabledButtons(), "3");
    EXPECT_TRUE(running());
    tick(1000);
    EXPECT_EQ(count(), 1000);
    EXPECT_EQ(harness.label("Label17"), "1000");
    EXPECT_TRUE(running());
    EXPECT_EQ(harness.enabledButtons(), "3");
    tick(1);
    EXPECT_EQ(count(), 1000);
    EXPECT_FALSE(running());
    EXPECT_EQ(harness.enabledButtons(), "4567");
    // Every draw was 0: face (1, 1), an odd product, every time.
    for (int n = 1; n <= 1000; ++n) {
        ASSERT_EQ(harness.form->record().ratioHistory.at(n), 1.0F) << n;
    }
    EXPECT_EQ(harness.label("d11"), "1000");
}

TEST_F(AutomaticRun, EachTickRollsTheLargeDieThenTheSmallOne) {
    harness.form->startRun();
    harness.random->queueFace(2);
    harness.random->queueFace(6);
    tick(1);
    EXPECT_EQ(harness.form->tally().largeFace(), 2);
    EXPECT_EQ(harness.form->tally().smallFace(), 6);
    EXPECT_EQ(harness.label("d26"), "1");
    EXPECT_TRUE(harness.pictureShown(1, 2));
    EXPECT_TRUE(harness.pictureShown(2, 6));
    EXPECT_EQ(harness.random->seeds.size(), 2U);
}

TEST_F(AutomaticRun, StopAndResumeContinuesTheSameTally) {
    harness.form->startRun();
    tick(400);
    harness.form->stopRun();
    EXPECT_EQ(harness.enabledButtons(), "145678");
    EXPECT_FALSE(running());
    EXPECT_EQ(count(), 400);
    harness.form->startRun();
    tick(1);
    EXPECT_EQ(harness.label("Label17"), "401");
    EXPECT_EQ(harness.label("d11"), "401");
    tick(600);
    EXPECT_EQ(harness.enabledButtons(), "4567");
    EXPECT_EQ(count(), 1000);
}

TEST_F(AutomaticRun, ContinuesFromManualExperimentsInTheSameCells) {
    harness.throwManually(1, 1);
    harness.throwManually(4, 2);
    harness.form->startRun();
    tick(3);
    EXPECT_EQ(harness.label("Label17"), "5");
    EXPECT_EQ(harness.label("d11"), "4");
    EXPECT_EQ(harness.label("d42"), "1");
    EXPECT_EQ(harness.label("Label8"), "0.800");
}

struct AtLimitCase {
    const char* name;
    int manualExperiments;
};

void PrintTo(const AtLimitCase& c, std::ostream* os) {
    *os << c.name;
}

class AutomaticRunAtOrPastTheLimit : public AutomaticRun,
                                     public ::testing::WithParamInterface<AtLimitCase> {};

// Past the limit (only manual experiments get there) the run must not record either: the
// history has no place for the experiment.
TEST_P(AutomaticRunAtOrPastTheLimit, FinishesOnTheFirstTickWithoutRecording) {
    for (int i = 0; i < GetParam().manualExperiments; ++i) {
        harness.throwManually(2, 2);
    }
    const auto history = harness.form->record().ratioHistory;
    harness.form->startRun();
    tick(1);
    EXPECT_EQ(count(), GetParam().manualExperiments);
    EXPECT_FALSE(running());
    EXPECT_EQ(harness.enabledButtons(), "4567");
    EXPECT_EQ(harness.form->record().ratioHistory, history);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, AutomaticRunAtOrPastTheLimit,
                         ::testing::Values(AtLimitCase{"AtTheLimit", 1000},
                                           AtLimitCase{"PastTheLimit", 1002}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AutomaticRun, StopAfterTheThousandthExperimentLeavesBothThrowButtons) {
    harness.form->startRun();
    tick(1000);
    harness.form->stopRun();
    EXPECT_EQ(count(), 1000);
    EXPECT_EQ(harness.enabledButtons(), "145678");
}

TEST_F(AutomaticRun, ActivationDuringARunKeepsStopUsable) {
    harness.form->startRun();
    tick(5);
    harness.form->onActivated();
    EXPECT_EQ(harness.enabledButtons(), "3");
    harness.form->stopRun();
    EXPECT_EQ(count(), 5);
}

// With the real generator and the clock standing still, a whole run still fills the 36
// cells uniformly: the two dice of one tick are independent. Critical value at 0.1 %.
TEST(AutomaticRunStatistics, FullRunFillsTheTableUniformly) {
    WindowHarness harness(std::make_unique<experiment::MixingGenerator>(20221207));
    harness.start();
    harness.form->startRun();
    for (int i = 0; i < 1001; ++i) {
        harness.form->runStep();
    }
    ASSERT_EQ(harness.form->record().experimentCount, 1000);
    double chiSquare = 0.0;
    const double expected = 1000.0 / 36.0;
    int odd = 0;
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small) {
            const int cell = harness.form->tally().pairCount(large, small);
            chiSquare += (cell - expected) * (cell - expected) / expected;
            odd += (large * small) % 2 == 1 ? cell : 0;
        }
    }
    EXPECT_LT(chiSquare, 66.619);
    EXPECT_EQ(harness.form->tally().oddCount(), odd);
}

}  // namespace
