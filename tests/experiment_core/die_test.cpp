// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "doubles/fake_dice.h"
#include "experiment_core/mixing_generator.h"

namespace {

TEST(FaceFromDraw, GivesTheFaceOfTheSixthTheDrawLiesIn) {
    // The last: the largest draw below 1.
    for (const auto& [draw, face] : {std::pair{0.0F, 1},
                                     {0.1666666F, 1},
                                     {0.5F, 4},
                                     {0.8333333F, 5},
                                     {std::nextafter(1.0F, 0.0F), 6}}) {
        EXPECT_EQ(experiment_core::faceFromDraw(draw), face) << draw;
    }
}

// Pearson's statistic of the 36 face pairs of `ticks` ticks (a large roll, then a small
// roll) with the clock standing still, as it nearly does between the two rolls of one tick.
double pairChiSquare(experiment_core::RandomSource& random, int ticks) {
    FrozenClock clock;
    experiment_core::DieRoller roller(clock, random);
    std::array<int, 36> pairs{};
    for (int i = 0; i < ticks; ++i) {
        const int large = roller.roll();
        const int small = roller.roll();
        ++pairs.at(static_cast<std::size_t>((large - 1) * 6 + small - 1));
    }
    const double expected = ticks / 36.0;
    double sum = 0.0;
    for (int count : pairs) {
        sum += (count - expected) * (count - expected) / expected;
    }
    return sum;
}

// Uniform and independent faces, even with the clock frozen (a draw of 1 or more would give
// face 7, which no cell holds; a generator restarted from each clock reading would give both
// dice of a tick the same face); 66.6 is the 0.1 % critical value for 35 degrees of freedom.
TEST(DieRoller, FacePairsAreUniformWithTheClockFrozen) {
    experiment_core::MixingGenerator mixing(0xd1ce);
    EXPECT_LT(pairChiSquare(mixing, 36000), 66.619);
}

}  // namespace
