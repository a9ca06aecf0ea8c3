// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally.h"

#include <limits>

namespace experiment {

namespace {

bool isFace(int face) {
    return face >= 1 && face <= kFaces;
}

}  // namespace

void Tally::setFace(Die die, std::int16_t face) {
    (die == Die::Large ? largeFace_ : smallFace_) = face;
}

bool Tally::countPhase() {
    if (record_.experimentCount == std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    ++record_.experimentCount;
    return true;
}

void Tally::tallyPhase() {
    // No cell can pass the count, and the count never passes the 16-bit limit, so neither a
    // cell nor the odd sum below can overflow.
    if (isFace(largeFace_) && isFace(smallFace_)) {
        ++pairCounts_[largeFace_ - 1][smallFace_ - 1];
    }
    throws_.push_back({largeFace_, smallFace_});
    int odd = 0;
    for (int large = 1; large <= kFaces; large += 2) {
        for (int small = 1; small <= kFaces; small += 2) {
            odd += pairCount(large, small);
        }
    }
    record_.oddCount = static_cast<std::int16_t>(odd);

    const int count = record_.experimentCount;
    if (count > 0) {
        record_.oddRatio = static_cast<float>(static_cast<double>(record_.oddCount) / count);
        // Experiments past the limit are shown but have no place in the history.
        if (count <= kExperimentLimit) {
            record_.ratioHistory[static_cast<std::size_t>(count)] = record_.oddRatio;
        }
    }
}

void Tally::reset() {
    pairCounts_ = {};
    throws_.clear();
    record_ = ExperimentRecord{};
}

std::int16_t Tally::pairCount(int large, int small) const {
    return pairCounts_[static_cast<std::size_t>(large - 1)][static_cast<std::size_t>(small - 1)];
}

}  // namespace experiment
