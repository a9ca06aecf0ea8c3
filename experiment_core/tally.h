// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "die.h"
#include "experiment_record.h"

namespace experiment {

inline constexpr int kFaces = 6;

// The record of the experiments: the faces last thrown, the table of face pairs and the
// odd count, with the shared values of the ExperimentRecord. The window shows what this holds.
class Tally {
public:
    explicit Tally(ExperimentRecord& record) : record_(record) {}

    // The face a die shows now; a throw records the faces both dice show.
    void setFace(Die die, std::int16_t face);
    [[nodiscard]] std::int16_t largeFace() const { return largeFace_; }
    [[nodiscard]] std::int16_t smallFace() const { return smallFace_; }

    // Count phase of recording a throw. Returns false, changing nothing, when the experiment
    // count already stands at the largest 16-bit value: that experiment cannot be recorded.
    bool countPhase();

    // Tally phase: enters the current faces into the table and refreshes the odd count,
    // the ratio and the history. A face outside 1..6 enters no cell but stays counted.
    void tallyPhase();

    // Back to the all-zero state; the faces are left as they are.
    void reset();

    // Cell of a face pair, faces 1..6.
    [[nodiscard]] std::int16_t pairCount(int large, int small) const;
    [[nodiscard]] std::int16_t oddCount() const { return record_.oddCount; }
    [[nodiscard]] const ExperimentRecord& record() const { return record_; }

    // The faces of each recorded experiment since the last reset, in order.
    struct Throw {
        std::int16_t large;
        std::int16_t small;
    };
    [[nodiscard]] const std::vector<Throw>& throws() const { return throws_; }

private:
    ExperimentRecord& record_;
    std::int16_t largeFace_ = 0;
    std::int16_t smallFace_ = 0;
    // Row = large face, column = small face, both counted from 0 here.
    std::array<std::array<std::int16_t, kFaces>, kFaces> pairCounts_{};
    std::vector<Throw> throws_;
};

// True for the nine pairs whose product is odd.
constexpr bool isOddPair(int large, int small) {
    return large % 2 == 1 && small % 2 == 1;
}

}  // namespace experiment
