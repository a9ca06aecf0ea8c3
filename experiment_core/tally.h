// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "experiment_core/experiment_record.h"

namespace experiment_core {

inline constexpr int kFaces = 6;

// One recorded experiment: the two faces, and the odd products up to and with it.
struct Throw {
    std::int16_t large;
    std::int16_t small;
    std::int16_t oddSoFar;
};

// The record of the experiments: the table of face pairs, every throw since the last reset,
// and the values the graph reads (the ExperimentRecord). The windows show what it holds.
class Tally {
public:
    // Records one experiment with the faces the dice show: the count, the cell of the pair, the
    // odd count, the ratio and its history. A face outside 1..6 enters no cell but is counted.
    // Returns false, recording nothing, when the count already stands at the largest 16-bit
    // value: that experiment cannot be counted.
    bool addThrow(std::int16_t large, std::int16_t small);

    // Back to the all-zero state.
    void reset();

    // The count stands at the largest 16-bit value: no further experiment can be counted.
    [[nodiscard]] bool full() const;

    // Cell of a face pair, faces 1..6.
    [[nodiscard]] std::int16_t pairCount(int large, int small) const;
    [[nodiscard]] const ExperimentRecord& record() const { return record_; }
    // Every recorded experiment since the last reset, in order.
    [[nodiscard]] const std::vector<Throw>& throws() const { return throws_; }

private:
    ExperimentRecord record_;
    // Row = large face, column = small face, both counted from 0 here.
    std::array<std::array<std::int16_t, kFaces>, kFaces> pairCounts_{};
    std::vector<Throw> throws_;
};

// True for the nine pairs whose product is odd.
constexpr bool isOddPair(int large, int small) {
    return large % 2 == 1 && small % 2 == 1;
}

}  // namespace experiment_core
