// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment_core/die.h"

namespace platform {

// The time of day from the system clock, with millisecond resolution.
class SystemClock final : public experiment_core::Clock {
public:
    float secondsOfDay() override;
};

}  // namespace platform
