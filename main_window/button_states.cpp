// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/button_states.h"

namespace main_window {

namespace {

constexpr Setting T = Setting::On;
constexpr Setting F = Setting::Off;
constexpr Setting K = Setting::Kept;

}  // namespace

const StepSettings& settingsFor(Step step) {
    // Buttons: Automatic, Stop the dice, Stop, Exit, Init, Graph display, Help, Throw the
    // dice; then taking the results away. T: enabled, F: disabled, K: kept as it is.
    static const std::array<StepSettings, 9> table = {{
        /* Activation     */ {{K, F, F, K, K, T, K, K}, K, Button::ThrowDice},
        /* Throw the dice */ {{F, T, K, F, F, F, F, F}, F, Button::StopDice},
        /* Stop the dice  */ {{T, F, K, T, T, T, T, T}, T, Button::ThrowDice},
        /* Automatic      */ {{F, F, T, F, F, F, F, F}, F, Button::Stop},
        /* Run's end      */ {{F, K, F, T, T, T, T, F}, T, Button::GraphDisplay},
        /* Stop           */ {{T, K, F, T, T, T, T, T}, T, Button::Automatic},
        /* Init           */ {{T, F, F, T, T, F, T, T}, T, Button::ThrowDice},
        /* Throws opened  */ {{T, F, F, T, T, T, T, T}, T, Button::ThrowDice},
        /* Count full     */ {{F, K, K, K, K, K, K, F}, K, Button::GraphDisplay},
    }};
    return table.at(static_cast<std::size_t>(step));
}

void ButtonStates::apply(Step step) {
    const StepSettings& settings = settingsFor(step);
    for (std::size_t i = 0; i < usable_.size(); ++i) {
        usable_.at(i) = settings.buttons.at(i) == Setting::Kept
                            ? usable_.at(i)
                            : settings.buttons.at(i) == Setting::On;
    }
    takeAway_ = settings.takeAway == Setting::Kept ? takeAway_ : settings.takeAway == Setting::On;
}

}  // namespace main_window
