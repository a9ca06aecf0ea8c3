// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "experiment_core/die.h"

namespace experiment_core {

// SplitMix64 whose re-seed mixes the clock value into the running state instead of
// restarting from it: the two rolls of one tick see nearly the same clock reading, and
// restarting would give both dice the same face.
class MixingGenerator final : public RandomSource {
public:
    explicit MixingGenerator(std::uint64_t seed) : state_(seed) {}
    // Seeded from the system's entropy source.
    MixingGenerator();

    void reseed(float clockValue) override;
    float next() override;

private:
    std::uint64_t state_;
};

}  // namespace experiment_core
