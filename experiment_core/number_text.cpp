// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

namespace experiment {

std::string counterText(std::int16_t value) {
    return std::to_string(value);
}

std::string ratioText(int odd, int count) {
    // Thousandths, rounded half up: floor((1000 odd / count) + 1/2), in integers.
    const long long thousandths = count > 0 ? (2000LL * odd + count) / (2LL * count) : 0;
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(thousandths / 1000) + "." + fraction;
}

}  // namespace experiment
