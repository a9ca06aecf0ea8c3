// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/die.h"

#include <cmath>

namespace experiment_core {

std::int16_t faceFromDraw(float draw) {
    return static_cast<std::int16_t>(std::floor(static_cast<double>(draw) * 6.0 + 1.0));
}

std::int16_t DieRoller::roll() {
    random_.reseed(clock_.secondsOfDay());
    return faceFromDraw(random_.next());
}

}  // namespace experiment_core
