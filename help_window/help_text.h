// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <array>

namespace help_window {

inline constexpr int kHelpLines = 27;

// Line `index` (0 to 26) of the problem and the operating instructions as written, in UTF-8.
const char* sourceLine(int index);

// The 27 printed lines in the user's language.
QStringList helpText();

}  // namespace help_window
