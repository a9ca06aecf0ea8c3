// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/number_text.h"

namespace experiment_core {

std::string counterText(std::int64_t value) {
    return std::to_string(value);
}

std::int64_t ratioThousandths(std::int64_t odd, std::int64_t count) {
    // Rounded half up: floor((1000 odd / count) + 1/2), in integers. Every experiment counted
    // was a line of a file or a click, so counts stay far below 2^63 / 2000.
    return count > 0 ? (2000 * odd + count) / (2 * count) : 0;
}

std::string ratioText(std::int64_t odd, std::int64_t count) {
    const std::int64_t thousandths = ratioThousandths(odd, count);
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(thousandths / 1000) + "." + fraction;
}

}  // namespace experiment_core
