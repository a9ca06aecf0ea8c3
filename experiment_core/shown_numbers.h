// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "experiment_core/number_text.h"

namespace experiment_core {

// The core's counts and ratios as every window, page and announcement shows them.
inline QString shownCount(std::int64_t value) {
    return QString::fromStdString(counterText(value));
}
inline QString shownRatio(std::int64_t odd, std::int64_t count) {
    return QString::fromStdString(ratioText(odd, count));
}

}  // namespace experiment_core
