// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace experiment_core {

// The automatic run stops here, and it is the last entry of the ratio history.
inline constexpr int kExperimentLimit = 1000;

// The values the experiment window writes and the graph window reads.
struct ExperimentRecord {
    std::int16_t experimentCount = 0;
    std::int16_t oddCount = 0;
    float oddRatio = 0.0F;
    // Entry n is the ratio after experiment n; entry 0 is never written.
    std::array<float, kExperimentLimit + 1> ratioHistory{};
};

}  // namespace experiment_core
