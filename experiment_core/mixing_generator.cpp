// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/mixing_generator.h"

#include <cstring>
#include <random>

namespace experiment_core {

namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

}  // namespace

MixingGenerator::MixingGenerator() {
    std::random_device entropy;
    state_ = (static_cast<std::uint64_t>(entropy()) << 32U) ^ entropy();
}

void MixingGenerator::reseed(float clockValue) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &clockValue, sizeof bits);
    state_ = mix(state_ ^ mix(bits + kGolden));
}

float MixingGenerator::next() {
    state_ += kGolden;
    // The top 24 bits fill a float's mantissa exactly, so the draw is uniform and below 1.
    return static_cast<float>(mix(state_) >> 40U) * 0x1.0p-24F;
}

}  // namespace experiment_core
