// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_clock.h"

#include <QTime>

namespace platform {

float SystemClock::secondsOfDay() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

}  // namespace platform
