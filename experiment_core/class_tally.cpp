// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/class_tally.h"

#include <algorithm>

namespace experiment_core {

void ClassTally::addPupil(std::string name, const std::vector<Faces>& throws) {
    Pupil pupil{std::move(name), static_cast<std::int64_t>(throws.size()), 0};
    std::int64_t odd = oddCount();
    oddSoFar_.reserve(oddSoFar_.size() + throws.size());
    for (const Faces& faces : throws) {
        // The reader gives faces 1 to 6 only.
        ++pairCounts_.at(static_cast<std::size_t>(faces.large - 1))
              .at(static_cast<std::size_t>(faces.small - 1));
        const bool oddProduct = isOddPair(faces.large, faces.small);
        pupil.oddCount += oddProduct ? 1 : 0;
        odd += oddProduct ? 1 : 0;
        oddSoFar_.push_back(odd);
    }
    pupils_.push_back(std::move(pupil));
}

std::int64_t ClassTally::pairCount(int large, int small) const {
    return pairCounts_.at(static_cast<std::size_t>(large - 1))
        .at(static_cast<std::size_t>(small - 1));
}

std::int64_t ClassTally::oddAfter(std::int64_t count) const {
    return oddSoFar_.at(static_cast<std::size_t>(count - 1));
}

std::vector<std::int64_t> ClassTally::pupilEnds() const {
    std::vector<std::int64_t> ends;
    std::int64_t end = 0;
    for (const Pupil& pupil : pupils_) {
        end += pupil.experiments;
        ends.push_back(end);
    }
    return ends;
}

std::vector<RatioSpan> ClassTally::ratioColumns(int columns) const {
    const std::int64_t count = experimentCount();
    if (columns <= 0 || count < columns) {
        return {};
    }
    std::vector<RatioSpan> spans(static_cast<std::size_t>(columns), {2.0, -1.0});
    for (std::int64_t n = 1; n <= count; ++n) {
        RatioSpan& span = spans[static_cast<std::size_t>((n - 1) * columns / count)];
        const double ratio = static_cast<double>(oddSoFar_[static_cast<std::size_t>(n - 1)]) /
                             static_cast<double>(n);
        span.lowest = std::min(span.lowest, ratio);
        span.highest = std::max(span.highest, ratio);
    }
    return spans;
}

}  // namespace experiment_core
