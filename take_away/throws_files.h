// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "experiment_core/throws_csv.h"

namespace take_away {

// A file of throws, read and checked: its throws, or, where it was refused, why, in a sentence
// that names the file (and the line where one is at fault).
struct ThrowsFile {
    std::vector<experiment_core::Faces> throws;
    QString refusal;
};

// Reads the file at `path`, of at most `largestBytes`, with room for at most `room` throws;
// `limit` is the most throws in all that the refusal for too many names.
ThrowsFile readThrowsFile(const QString& path, qint64 largestBytes, std::int64_t room,
                          std::int64_t limit);

}  // namespace take_away
