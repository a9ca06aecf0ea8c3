// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "number_text.h"

namespace {

struct RatioCase {
    const char* name;
    float ratio;
    const char* text;
};

void PrintTo(const RatioCase& c, std::ostream* os) {
    *os << c.name;
}

class RatioText : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioText, HasOneLeadingDigitAndThreeDecimals) {
    EXPECT_EQ(experiment::ratioText(GetParam().ratio), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, RatioText,
    ::testing::Values(RatioCase{"Zero", 0.0F, "0.000"}, RatioCase{"Quarter", 0.25F, "0.250"},
                      RatioCase{"Third", static_cast<float>(1.0 / 3.0), "0.333"},
                      RatioCase{"TwoThirds", static_cast<float>(2.0 / 3.0), "0.667"},
                      RatioCase{"One", 1.0F, "1.000"},
                      RatioCase{"RoundsUpFromBelow", 0.9996F, "1.000"},
                      RatioCase{"SmallestStep", 1.0F / 1000.0F, "0.001"},
                      RatioCase{"Negative", -0.5F, "-0.500"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, CountersArePlainDecimals) {
    EXPECT_EQ(experiment::counterText(0), "0");
    EXPECT_EQ(experiment::counterText(7), "7");
    EXPECT_EQ(experiment::counterText(1000), "1000");
    EXPECT_EQ(experiment::counterText(32767), "32767");
    EXPECT_EQ(experiment::counterText(-12), "-12");
}

}  // namespace
