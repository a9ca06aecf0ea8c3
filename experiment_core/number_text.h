// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace experiment_core {

// A counter as the window shows it: plain decimal, no padding or grouping.
std::string counterText(std::int64_t value);

// The ratio odd / count in the "0.000" form, formed from the exact fraction and rounded half
// up, so that 7/80 = 0.0875 reads "0.088" as a teacher checking by hand expects. No
// experiments read "0.000". The point does not follow the user's locale: pupils compare it
// with the help text.
std::string ratioText(std::int64_t odd, std::int64_t count);

// The ratio's text as thousandths, rounded as ratioText rounds it.
std::int64_t ratioThousandths(std::int64_t odd, std::int64_t count);

}  // namespace experiment_core
