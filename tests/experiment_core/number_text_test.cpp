// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>

#include "experiment_core/number_text.h"

namespace {

// Every ratio the window can show up to the limit, and beyond it, up to the 16-bit count, the
// ratios next to each rounding step, against exact rational arithmetic: the text t.ttt is the
// thousandth nearest to k/n, and at an exact half the larger one. With T the text's
// thousandths, that is -n <= 2000 k - 2 n T < n.
TEST(RatioText, IsTheNearestThousandthRoundedHalfUpUpToTheSixteenBitCount) {
    int halves = 0;
    const auto check = [&halves](int k, int n) {
        const std::string text = experiment_core::ratioText(k, n);
        // One digit, a point, three digits.
        ASSERT_TRUE(text.size() == 5 && text[1] == '.' &&
                    text.find_first_not_of("0123456789", 2) == std::string::npos &&
                    std::isdigit(static_cast<unsigned char>(text[0])))
            << k << "/" << n << ": " << text;
        const long long thousandths = std::stoll(text.substr(0, 1) + text.substr(2));
        const long long twiceError = 2000LL * k - 2LL * n * thousandths;
        ASSERT_TRUE(-n <= twiceError && twiceError < n) << k << "/" << n << ": " << text;
        halves += twiceError == -n ? 1 : 0;
    };
    int halvesUpToTheLimit = 0;
    for (int n = 1; n <= 32767; ++n) {
        halvesUpToTheLimit = n == 1001 ? halves : halvesUpToTheLimit;
        for (int k = 0; k <= n; k += n <= 1000 ? 1 : n) {
            check(k, n);
        }
        // Beyond 1000, the two counts on either side of every fortieth rounding step.
        for (long long step = 1; n > 1000 && step < 2000; step += 50) {
            const int below = static_cast<int>(step * n / 2000);
            check(below, n);
            check(below + 1, n);
        }
    }
    // The ratios that lie exactly half-way, such as 7/80 and 1/16, all rounded up: the 1200 up
    // to 1000 experiments, and some beyond it.
    EXPECT_EQ(halvesUpToTheLimit, 1200);
    EXPECT_GT(halves, 1200);
    EXPECT_EQ(experiment_core::ratioText(0, 0), "0.000");
}

}  // namespace
