#include "tally.h"

#include <limits>

namespace experiment {

namespace {

bool isFace(int face) {
    return face >= 1 && face <= kFaces;
}

}  // namespace

bool Tally::countPhase() {
    if (shared_.ExperimentCount == std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    ++shared_.ExperimentCount;
    return true;
}

void Tally::tallyPhase() {
    // No cell can pass the count, and the count never passes the 16-bit limit, so neither a
    // cell nor the odd sum below can overflow.
    if (isFace(LargeFace) && isFace(SmallFace)) {
        ++PairCount[LargeFace - 1][SmallFace - 1];
    }
    int odd = 0;
    for (int large = 1; large <= kFaces; large += 2) {
        for (int small = 1; small <= kFaces; small += 2) {
            odd += pairCount(large, small);
        }
    }
    OddCount = static_cast<std::int16_t>(odd);

    const int count = shared_.ExperimentCount;
    if (count > 0) {
        shared_.OddRatio = static_cast<float>(static_cast<double>(OddCount) / count);
        // Experiments past the limit are shown but have no place in the history.
        if (count <= kExperimentLimit) {
            shared_.RatioHistory[static_cast<std::size_t>(count)] = shared_.OddRatio;
        }
    }
}

void Tally::reset() {
    PairCount = {};
    OddCount = 0;
    shared_.ExperimentCount = 0;
    shared_.OddRatio = 0.0F;
    shared_.RatioHistory = {};
}

std::int16_t Tally::pairCount(int large, int small) const {
    return PairCount[static_cast<std::size_t>(large - 1)][static_cast<std::size_t>(small - 1)];
}

}  // namespace experiment
