// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/tally.h"

#include <limits>

namespace experiment_core {

namespace {

bool isFace(int face) {
    return face >= 1 && face <= kFaces;
}

}  // namespace

bool Tally::full() const {
    return record_.experimentCount == std::numeric_limits<std::int16_t>::max();
}

bool Tally::addThrow(std::int16_t large, std::int16_t small) {
    if (full()) {
        return false;
    }
    const int count = ++record_.experimentCount;
    // No cell can pass the count, and the count never passes the 16-bit limit, so neither a
    // cell nor the odd count can overflow.
    const bool faces = isFace(large) && isFace(small);
    if (faces) {
        ++pairCounts_[large - 1][small - 1];
    }
    const int odd = record_.oddCount + (faces && isOddPair(large, small) ? 1 : 0);
    record_.oddCount = static_cast<std::int16_t>(odd);
    throws_.push_back({large, small, record_.oddCount});
    record_.oddRatio = static_cast<float>(static_cast<double>(odd) / count);
    // Experiments past the limit are shown but have no place in the history.
    if (count <= kExperimentLimit) {
        record_.ratioHistory[static_cast<std::size_t>(count)] = record_.oddRatio;
    }
    return true;
}

void Tally::reset() {
    pairCounts_ = {};
    throws_.clear();
    record_ = ExperimentRecord{};
}

std::int16_t Tally::pairCount(int large, int small) const {
    return pairCounts_[static_cast<std::size_t>(large - 1)][static_cast<std::size_t>(small - 1)];
}

}  // namespace experiment_core
