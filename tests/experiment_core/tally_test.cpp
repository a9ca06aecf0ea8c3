// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "tally.h"

namespace {

// Random throws, with faces outside the die now and then: after every experiment the table,
// the odd count, the ratio, its history and the throw kept agree with an independent count,
// also past the history's last entry, up to the 16-bit limit. There the last experiment is
// counted and the next one refused, changing nothing.
TEST(Tally, AgreesWithAnIndependentCountUpToTheSixteenBitLimit) {
    std::mt19937 rng(20221);  // NOLINT(cert-msc32-c,cert-msc51-cpp): fixed on purpose
    std::uniform_int_distribution<int> face(0, 7);
    experiment::Tally tally;
    std::array<std::array<int, 6>, 6> cells{};
    int odd = 0;
    for (int n = 1; n <= 32767; ++n) {
        const int large = face(rng);
        const int small = face(rng);
        if (large >= 1 && large <= 6 && small >= 1 && small <= 6) {
            ++cells.at(large - 1).at(small - 1);
            odd += large % 2 == 1 && small % 2 == 1 ? 1 : 0;
        }
        ASSERT_TRUE(
            tally.record(static_cast<std::int16_t>(large), static_cast<std::int16_t>(small)));
        const experiment::ExperimentRecord& record = tally.record();
        const experiment::Throw& kept = tally.throws().back();
        ASSERT_EQ(record.experimentCount, n);
        ASSERT_EQ(record.oddCount, odd);
        ASSERT_EQ(record.oddRatio, static_cast<float>(static_cast<double>(odd) / n));
        ASSERT_EQ(n <= experiment::kExperimentLimit ? record.ratioHistory.at(n) : record.oddRatio,
                  record.oddRatio);
        ASSERT_EQ(kept.large * 100 + kept.small * 10, large * 100 + small * 10);
        ASSERT_EQ(kept.oddSoFar, odd);
    }
    for (int cell = 0; cell < 36; ++cell) {
        EXPECT_EQ(tally.pairCount(cell / 6 + 1, cell % 6 + 1), cells.at(cell / 6).at(cell % 6));
    }
    EXPECT_FALSE(tally.record(1, 1));
    EXPECT_EQ(tally.record().experimentCount, 32767);
    EXPECT_EQ(tally.record().oddCount, odd);
    EXPECT_EQ(tally.pairCount(1, 1), cells.at(0).at(0));
    EXPECT_EQ(tally.throws().size(), 32767U);
    tally.reset();
    EXPECT_TRUE(tally.throws().empty() && tally.record().experimentCount == 0 &&
                tally.record().ratioHistory.at(1) == 0.0F && tally.pairCount(1, 1) == 0);
}

}  // namespace
