// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "number_text.h"
#include "tally.h"

namespace {

using Throws = std::vector<std::pair<int, int>>;

struct Recorder {
    experiment::ExperimentRecord shared;
    experiment::Tally tally{shared};

    void record(int large, int small) {
        tally.setFace(experiment::Die::Large, static_cast<std::int16_t>(large));
        tally.setFace(experiment::Die::Small, static_cast<std::int16_t>(small));
        ASSERT_TRUE(tally.countPhase());
        tally.tallyPhase();
    }
    void record(const Throws& throws) {
        for (const auto& [large, small] : throws) {
            record(large, small);
        }
    }
    [[nodiscard]] int cellSum() const {
        int sum = 0;
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small) {
                sum += tally.pairCount(large, small);
            }
        }
        return sum;
    }
    [[nodiscard]] int oddCellSum() const {
        int sum = 0;
        for (int large = 1; large <= 6; large += 2) {
            for (int small = 1; small <= 6; small += 2) {
                sum += tally.pairCount(large, small);
            }
        }
        return sum;
    }
};

struct Sequence {
    const char* name;
    Throws throws;
    int oddCount;
    const char* ratio;
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << s.name;
}

class RecordedSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(RecordedSequence, ShowsTheOddCountAndTheRatio) {
    const Sequence& sequence = GetParam();
    Recorder recorder;
    recorder.record(sequence.throws);
    EXPECT_EQ(recorder.shared.experimentCount, static_cast<int>(sequence.throws.size()));
    EXPECT_EQ(recorder.tally.oddCount(), sequence.oddCount);
    EXPECT_EQ(experiment::ratioText(recorder.tally.oddCount(), recorder.shared.experimentCount), sequence.ratio);
    EXPECT_EQ(recorder.cellSum(), recorder.shared.experimentCount);
}

INSTANTIATE_TEST_SUITE_P(
    Tally, RecordedSequence,
    ::testing::Values(Sequence{"OddFirstThrow", {{3, 5}}, 1, "1.000"},
                      Sequence{"EvenFirstThrow", {{2, 5}}, 0, "0.000"},
                      Sequence{"OneOddInThree", {{1, 3}, {2, 2}, {6, 5}}, 1, "0.333"},
                      Sequence{"TwoOddInThree", {{1, 1}, {5, 5}, {2, 1}}, 2, "0.667"},
                      Sequence{"OneOddInFour", {{1, 5}, {2, 2}, {4, 6}, {6, 1}}, 1, "0.250"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tally, HistoryHoldsTheRatioAfterEachExperimentInSinglePrecision) {
    Recorder recorder;
    recorder.record({{1, 3}, {2, 2}, {6, 5}});
    EXPECT_EQ(recorder.shared.ratioHistory[0], 0.0F);
    EXPECT_EQ(recorder.shared.ratioHistory[1], 1.0F);
    EXPECT_EQ(recorder.shared.ratioHistory[2], 0.5F);
    EXPECT_EQ(recorder.shared.ratioHistory[3], static_cast<float>(1.0 / 3.0));
}

// Before the first roll both faces are 0: the experiment counts, but enters no cell.
TEST(Tally, FaceOutsideTheDieIsCountedWithoutACell) {
    Recorder recorder;
    recorder.record(0, 0);
    recorder.record(4, 7);
    recorder.record(1, 1);
    EXPECT_EQ(recorder.shared.experimentCount, 3);
    EXPECT_EQ(recorder.cellSum(), 1);
    EXPECT_EQ(recorder.tally.oddCount(), 1);
    EXPECT_EQ(experiment::ratioText(recorder.tally.oddCount(), recorder.shared.experimentCount), "0.333");
}

TEST(Tally, ResetAfterFiveHundredClearsEverythingButTheFaces) {
    Recorder recorder;
    for (int i = 0; i < 500; ++i) {
        recorder.record(1 + i % 6, 1 + (i / 6) % 6);
    }
    recorder.tally.reset();
    EXPECT_EQ(recorder.shared.experimentCount, 0);
    EXPECT_EQ(recorder.tally.oddCount(), 0);
    EXPECT_EQ(recorder.shared.oddRatio, 0.0F);
    EXPECT_EQ(recorder.cellSum(), 0);
    for (float entry : recorder.shared.ratioHistory) {
        EXPECT_EQ(entry, 0.0F);
    }
    EXPECT_NE(recorder.tally.largeFace(), 0);
    recorder.record(2, 2);
    EXPECT_EQ(recorder.shared.experimentCount, 1);
    EXPECT_EQ(recorder.shared.ratioHistory[1], 0.0F);
    EXPECT_EQ(recorder.tally.pairCount(2, 2), 1);
}

TEST(Tally, InvariantsHoldAfterRandomSequences) {
    std::mt19937 rng(20221);  // NOLINT(cert-msc32-c,cert-msc51-cpp): fixed on purpose
    std::uniform_int_distribution<int> face(1, 6);
    for (int round = 0; round < 20; ++round) {
        Recorder recorder;
        int oddThrows = 0;
        const int throws = 1 + round * 49;
        for (int i = 0; i < throws; ++i) {
            const int large = face(rng);
            const int small = face(rng);
            oddThrows += (large * small) % 2;
            recorder.record(large, small);
        }
        EXPECT_EQ(recorder.tally.oddCount(), oddThrows);
        EXPECT_EQ(recorder.tally.oddCount(), recorder.oddCellSum());
        EXPECT_EQ(recorder.cellSum(), throws);
        for (int n = throws + 1; n <= experiment::kExperimentLimit; ++n) {
            ASSERT_EQ(recorder.shared.ratioHistory.at(n), 0.0F) << n;
        }
    }
}

TEST(Tally, ExperimentBeyondTheLimitIsShownButNotStored) {
    Recorder recorder;
    for (int i = 0; i < experiment::kExperimentLimit; ++i) {
        recorder.record(2, 2);
    }
    const auto history = recorder.shared.ratioHistory;
    recorder.record(1, 1);
    EXPECT_EQ(recorder.shared.experimentCount, 1001);
    EXPECT_EQ(recorder.tally.oddCount(), 1);
    EXPECT_EQ(recorder.shared.oddRatio, static_cast<float>(1.0 / 1001.0));
    EXPECT_EQ(recorder.shared.ratioHistory, history);
}

// The counter must never wrap to a negative count: at its largest value the experiment is
// refused and nothing changes.
TEST(Tally, CountAtTheSixteenBitLimitRefusesTheExperiment) {
    Recorder recorder;
    recorder.shared.experimentCount = 32766;
    EXPECT_TRUE(recorder.tally.countPhase());
    EXPECT_EQ(recorder.shared.experimentCount, 32767);
    EXPECT_FALSE(recorder.tally.countPhase());
    EXPECT_EQ(recorder.shared.experimentCount, 32767);
}

}  // namespace
