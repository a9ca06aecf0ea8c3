// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "die.h"

namespace platform {

// The time of day from the system clock, with millisecond resolution.
class SystemClock final : public experiment::Clock {
public:
    float secondsOfDay() override;
};

}  // namespace platform
