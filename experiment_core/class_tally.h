// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "experiment_core/tally.h"
#include "experiment_core/throws_csv.h"

namespace experiment_core {

// One pupil's file of throws, as the class sees it.
struct Pupil {
    std::string name;
    std::int64_t experiments = 0;
    std::int64_t oddCount = 0;
};

// The lowest and highest ratio of odd products among the experiments one pixel column of a
// graph holds.
struct RatioSpan {
    double lowest = 0.0;
    double highest = 0.0;
};

// A whole class's throws pooled, in the order the pupils were added: each pupil's counts, the
// class's table of face pairs, and the odd products after every pooled experiment. Counts are
// 64-bit: a class has no limit but memory.
class ClassTally {
public:
    void addPupil(std::string name, const std::vector<Faces>& throws);

    [[nodiscard]] const std::vector<Pupil>& pupils() const { return pupils_; }
    [[nodiscard]] std::int64_t experimentCount() const {
        return static_cast<std::int64_t>(oddSoFar_.size());
    }
    [[nodiscard]] std::int64_t oddCount() const { return oddSoFar_.empty() ? 0 : oddSoFar_.back(); }
    // Cell of a face pair, faces 1..6.
    [[nodiscard]] std::int64_t pairCount(int large, int small) const;
    // The odd products among the first `count` pooled experiments, 1 to the experiment count.
    [[nodiscard]] std::int64_t oddAfter(std::int64_t count) const;
    // The pooled experiment that is each pupil's last, in the order added.
    [[nodiscard]] std::vector<std::int64_t> pupilEnds() const;

    // The pooled ratio's span in each of `columns` equal columns over experiments 1 to the
    // count: experiment n falls in column (n - 1) x columns / count. Empty where there are
    // fewer experiments than columns.
    [[nodiscard]] std::vector<RatioSpan> ratioColumns(int columns) const;

private:
    std::vector<Pupil> pupils_;
    std::array<std::array<std::int64_t, kFaces>, kFaces> pairCounts_{};
    std::vector<std::int64_t> oddSoFar_;
};

}  // namespace experiment_core
