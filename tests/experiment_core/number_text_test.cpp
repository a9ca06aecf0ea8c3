// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>

#include "number_text.h"

namespace {

// Every ratio the window can show up to the limit, against exact rational arithmetic: the
// text t.ttt is the thousandth nearest to k/n, and at an exact half the larger one. With T
// the text's thousandths, that is -n <= 2000 k - 2 n T < n.
TEST(RatioText, IsTheNearestThousandthRoundedHalfUpForEveryRatioUpToTheLimit) {
    int halves = 0;
    for (int n = 1; n <= 1000; ++n) {
        for (int k = 0; k <= n; ++k) {
            const std::string text = experiment::ratioText(k, n);
            // One digit, a point, three digits.
            ASSERT_TRUE(text.size() == 5 && text[1] == '.' &&
                        text.find_first_not_of("0123456789", 2) == std::string::npos &&
                        std::isdigit(static_cast<unsigned char>(text[0])))
                << k << "/" << n << ": " << text;
            const long long thousandths = std::stoll(text.substr(0, 1) + text.substr(2));
            const long long twiceError = 2000LL * k - 2LL * n * thousandths;
            ASSERT_TRUE(-n <= twiceError && twiceError < n) << k << "/" << n << ": " << text;
            halves += twiceError == -n ? 1 : 0;
        }
    }
    // The ratios that lie exactly half-way, such as 7/80 and 1/16, all rounded up.
    EXPECT_EQ(halves, 1200);
    EXPECT_EQ(experiment::ratioText(0, 0), "0.000");
}

}  // namespace
