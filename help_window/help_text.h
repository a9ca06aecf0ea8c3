// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace help {

inline constexpr int kHelpLines = 27;

// The problem and the operating instructions, one entry a printed line, in UTF-8.
const std::array<const char*, kHelpLines>& helpText();

}  // namespace help
