// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <cmath>
#include <cstdlib>

namespace experiment {

std::string counterText(std::int16_t value) {
    return std::to_string(value);
}

std::string ratioText(float ratio) {
    const long long thousandths = std::llround(static_cast<double>(ratio) * 1000.0);
    const long long magnitude = std::llabs(thousandths);
    std::string fraction = std::to_string(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    const std::string sign = thousandths < 0 ? "-" : "";
    return sign + std::to_string(magnitude / 1000) + "." + fraction;
}

}  // namespace experiment
