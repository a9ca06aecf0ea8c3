// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/window_harness.h"

namespace {

class ManualCycle : public ::testing::Test {
protected:
    void SetUp() override { harness.start(); }

    // Which face each die shows: 0 when none or several are visible.
    [[nodiscard]] int faceShown(int die) const {
        int shown = 0;
        for (int face = 1; face <= 6; ++face) {
            if (harness.pictureShown(die, face)) {
                shown = shown == 0 ? face : -1;
            }
        }
        return shown < 0 ? 0 : shown;
    }

    WindowHarness harness;
};

TEST_F(ManualCycle, StartsWithFaceOneAndTheReadyButtons) {
    EXPECT_EQ(faceShown(1), 1);
    EXPECT_EQ(faceShown(2), 1);
    EXPECT_EQ(harness.enabledButtons(), "145678");
    for (const char* name : {"Label17", "Label4", "Label8", "d11", "d35", "d66"}) {
        EXPECT_TRUE(harness.label(name).isEmpty()) << name;
    }
    for (int number = 1; number <= 3; ++number) {
        EXPECT_FALSE(harness.timer(number)->isActive());
    }
}

// Without a window manager nothing activates the window; the first showing still sets it up.
TEST(ManualCycleWithoutActivation, FirstShowingStartsWithFaceOneAndTheReadyButtons) {
    const WindowHarness harness;
    harness.form->show();
    EXPECT_TRUE(harness.pictureShown(1, 1));
    EXPECT_FALSE(harness.pictureShown(1, 2));
    EXPECT_FALSE(harness.pictureShown(2, 6));
    EXPECT_EQ(harness.enabledButtons(), "145678");
}

TEST_F(ManualCycle, ThrowSpinsBothDiceWithOnlyStopTheDiceEnabled) {
    harness.form->throwDice();
    EXPECT_EQ(harness.enabledButtons(), "2");
    EXPECT_TRUE(harness.timer(1)->isActive());
    EXPECT_TRUE(harness.timer(2)->isActive());
    EXPECT_FALSE(harness.timer(3)->isActive());
}

TEST_F(ManualCycle, StopTheDiceRecordsTheFacesShowing) {
    harness.throwManually(3, 5);
    EXPECT_EQ(harness.enabledButtons(), "145678");
    EXPECT_FALSE(harness.timer(1)->isActive());
    EXPECT_FALSE(harness.timer(2)->isActive());
    EXPECT_EQ(faceShown(1), 3);
    EXPECT_EQ(faceShown(2), 5);
    EXPECT_EQ(harness.label("Label17"), "1");
    EXPECT_EQ(harness.label("Label4"), "1");
    EXPECT_EQ(harness.label("Label8"), "1.000");
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small) {
            EXPECT_EQ(harness.label(QStringLiteral("d%1%2").arg(large).arg(small)),
                      large == 3 && small == 5 ? "1" : "0");
        }
    }
    EXPECT_EQ(harness.form->record().ratioHistory[1], 1.0F);
}

TEST_F(ManualCycle, EachCycleAddsExactlyOneExperiment) {
    harness.throwManually(1, 3);
    harness.throwManually(2, 2);
    EXPECT_EQ(harness.label("Label17"), "2");
    harness.throwManually(6, 5);
    EXPECT_EQ(harness.label("Label17"), "3");
    EXPECT_EQ(harness.label("Label8"), "0.333");
}

// Both fields are still 0 at the first throw: counted, but no cell.
TEST_F(ManualCycle, StopBeforeAnyTickRecordsTheFacesStillInTheFields) {
    harness.form->throwDice();
    harness.form->stopDice();
    EXPECT_EQ(harness.label("Label17"), "1");
    EXPECT_EQ(harness.label("Label8"), "0.000");
    EXPECT_EQ(harness.form->tally().oddCount(), 0);
    harness.throwManually(3, 5);
    harness.form->onActivated();
    harness.form->throwDice();
    harness.form->stopDice();
    EXPECT_EQ(harness.label("d35"), "2");
    EXPECT_EQ(harness.label("Label17"), "3");
}

TEST_F(ManualCycle, RollingOneDieLeavesTheOtherAlone) {
    harness.random->queueFace(4);
    harness.form->rollSmallDie();
    for (int face : {6, 2, 5}) {
        harness.random->queueFace(face);
        harness.form->rollLargeDie();
        EXPECT_EQ(faceShown(1), face);
        EXPECT_EQ(harness.form->tally().largeFace(), face);
        EXPECT_EQ(faceShown(2), 4);
        EXPECT_EQ(harness.form->tally().smallFace(), 4);
    }
}

TEST_F(ManualCycle, ActivationPutsTheDiceOnFaceOneAndKeepsTheTally) {
    harness.throwManually(6, 4);
    harness.form->onActivated();
    EXPECT_EQ(faceShown(1), 1);
    EXPECT_EQ(faceShown(2), 1);
    EXPECT_EQ(harness.form->tally().largeFace(), 6);
    EXPECT_EQ(harness.label("d64"), "1");
    EXPECT_EQ(harness.enabledButtons(), "145678");
}

// Coming back from the help window while the dice spin must leave "Stop the dice" usable.
TEST_F(ManualCycle, ActivationWhileTheDiceSpinKeepsThemStoppable) {
    harness.form->throwDice();
    harness.random->queueFace(5);
    harness.form->rollLargeDie();
    harness.form->onActivated();
    EXPECT_EQ(harness.enabledButtons(), "2");
    EXPECT_EQ(faceShown(1), 5);
    harness.form->stopDice();
    EXPECT_EQ(harness.label("Label17"), "1");
}

TEST_F(ManualCycle, ExperimentsBeyondOneThousandAreShownButNotStored) {
    for (int i = 0; i < 1000; ++i) {
        harness.throwManually(2, 4);
    }
    const auto history = harness.form->record().ratioHistory;
    harness.throwManually(5, 5);
    EXPECT_EQ(harness.label("Label17"), "1001");
    EXPECT_EQ(harness.label("Label4"), "1");
    EXPECT_EQ(harness.label("Label8"), "0.001");
    EXPECT_EQ(harness.label("d55"), "1");
    EXPECT_EQ(harness.form->record().ratioHistory, history);
}

}  // namespace
