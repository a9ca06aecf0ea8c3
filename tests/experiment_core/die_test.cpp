// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "doubles/fake_dice.h"
#include "mixing_generator.h"

namespace {

struct DrawCase {
    const char* name;
    float draw;
    int face;
};

void PrintTo(const DrawCase& c, std::ostream* os) {
    *os << c.name;
}

class FaceFromDraw : public ::testing::TestWithParam<DrawCase> {};

TEST_P(FaceFromDraw, GivesTheFaceOfItsSixth) {
    EXPECT_EQ(experiment::faceFromDraw(GetParam().draw), GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(
    Die, FaceFromDraw,
    ::testing::Values(DrawCase{"Zero", 0.0F, 1}, DrawCase{"JustBelowASixth", 0.1666666F, 1},
                      DrawCase{"Half", 0.5F, 4}, DrawCase{"JustBelowFiveSixths", 0.8333333F, 5},
                      DrawCase{"LargestBelowOne", std::nextafter(1.0F, 0.0F), 6}),
    [](const auto& info) { return std::string(info.param.name); });

// Pearson's statistic of observed counts against a uniform expectation.
template <std::size_t N>
double chiSquare(const std::array<int, N>& counts, int total) {
    const double expected = static_cast<double>(total) / N;
    double sum = 0.0;
    for (int count : counts) {
        sum += (count - expected) * (count - expected) / expected;
    }
    return sum;
}

// The clock stands still, as it nearly does between the two rolls of one tick: the faces
// must still be uniform and the two dice independent. Critical values at 0.1 %.
TEST(Die, FacesAreUniformWithTheClockFrozen) {
    FrozenClock clock;
    experiment::MixingGenerator random(0x5eed);
    experiment::DieRoller roller(clock, random);
    std::array<int, 6> faces{};
    constexpr int kRolls = 60000;
    for (int i = 0; i < kRolls; ++i) {
        const int face = roller.roll();
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        ++faces.at(face - 1);
    }
    EXPECT_LT(chiSquare(faces, kRolls), 20.515);
}

TEST(Die, TwoDiceOfOneTickAreIndependentWithTheClockFrozen) {
    FrozenClock clock;
    experiment::MixingGenerator random(0xd1ce);
    experiment::DieRoller roller(clock, random);
    std::array<int, 36> pairs{};
    constexpr int kTicks = 36000;
    for (int i = 0; i < kTicks; ++i) {
        const int large = roller.roll();
        const int small = roller.roll();
        ++pairs.at((large - 1) * 6 + small - 1);
    }
    EXPECT_LT(chiSquare(pairs, kTicks), 66.619);
}

TEST(Die, EqualClockReadingsDoNotRestartTheSequence) {
    experiment::MixingGenerator random(1);
    random.reseed(100.5F);
    const float first = random.next();
    random.reseed(100.5F);
    EXPECT_NE(random.next(), first);
}

TEST(Die, EveryRollReseedsFromTheClock) {
    FrozenClock clock;
    ScriptedRandom random;
    experiment::DieRoller roller(clock, random);
    random.queueFace(4);
    EXPECT_EQ(roller.roll(), 4);
    clock.now = 7.5F;
    random.queueFace(2);
    EXPECT_EQ(roller.roll(), 2);
    EXPECT_EQ(random.seeds, (std::vector<float>{43200.25F, 7.5F}));
}

TEST(Die, DrawsStayBelowOne) {
    experiment::MixingGenerator random(std::numeric_limits<std::uint64_t>::max());
    for (int i = 0; i < 100000; ++i) {
        random.reseed(static_cast<float>(i));
        const float draw = random.next();
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
    }
}

}  // namespace
