// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace experiment {

// A counter as the window shows it: plain decimal, no padding or grouping.
std::string counterText(std::int16_t value);

// A ratio in the "0.000" form: one digit or more, a point, exactly three decimals, rounded.
// The point does not follow the user's locale: pupils compare it with the help text.
std::string ratioText(float ratio);

}  // namespace experiment
