// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "tally.h"

namespace {

struct Recorder {
    experiment::ExperimentRecord record;
    experiment::Tally tally{record};

    // The count phase refuses only at the 16-bit limit, which the monkey test reaches.
    bool add(int large, int small) {
        tally.setFace(experiment::Die::Large, static_cast<std::int16_t>(large));
        tally.setFace(experiment::Die::Small, static_cast<std::int16_t>(small));
        const bool counted = tally.countPhase();
        tally.tallyPhase();
        return counted;
    }
};

// Random throws, with faces outside the die now and then (before the first roll both faces
// are 0): the table, the odd count, the ratio and its history agree with an independent
// count after every experiment, also past the history's last entry.
TEST(Tally, AgreesWithAnIndependentCountAfterEveryExperiment) {
    std::mt19937 rng(20221);  // NOLINT(cert-msc32-c,cert-msc51-cpp): fixed on purpose
    std::uniform_int_distribution<int> face(0, 7);
    Recorder recorder;
    std::array<std::array<int, 6>, 6> cells{};
    int odd = 0;
    for (int n = 1; n <= 1200; ++n) {
        const int large = face(rng);
        const int small = face(rng);
        if (large >= 1 && large <= 6 && small >= 1 && small <= 6) {
            ++cells.at(large - 1).at(small - 1);
            odd += large % 2 == 1 && small % 2 == 1 ? 1 : 0;
        }
        ASSERT_TRUE(recorder.add(large, small));
        ASSERT_EQ(recorder.record.experimentCount, n);
        ASSERT_EQ(recorder.tally.oddCount(), odd);
        ASSERT_EQ(recorder.record.oddRatio, static_cast<float>(static_cast<double>(odd) / n));
        if (n <= experiment::kExperimentLimit) {
            ASSERT_EQ(recorder.record.ratioHistory.at(n), recorder.record.oddRatio);
        }
    }
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small) {
            EXPECT_EQ(recorder.tally.pairCount(large, small), cells.at(large - 1).at(small - 1));
        }
    }
}

}  // namespace
