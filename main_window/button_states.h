// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace buttons {

// The experiment window's buttons, in the order of their control ids (Command1 to Command8).
enum class Button { Automatic, StopDice, Stop, Exit, Init, GraphDisplay, Help, ThrowDice };
inline constexpr std::size_t kButtonCount = 8;

// The steps that set buttons: each sets a fixed list, whatever the data.
enum class Step { Activation, ThrowDice, StopDice, Automatic, RunEnd, Stop, Init };

// What a step does to one button.
enum class Setting { On, Off, Kept };

using Row = std::array<Setting, kButtonCount>;

// The row of a step, one setting a button in the order of Button.
const Row& settingsFor(Step step);

}  // namespace buttons
