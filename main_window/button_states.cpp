// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_states.h"

namespace buttons {

namespace {

constexpr Setting T = Setting::On;
constexpr Setting F = Setting::Off;
constexpr Setting K = Setting::Kept;

}  // namespace

const Row& settingsFor(Step step) {
    // Columns: Automatic, Stop the dice, Stop, Exit, Init, Graph display, Help, Throw the dice.
    // T: enabled, F: disabled, K: kept as it is (the activation step and the run's end).
    static const std::array<Row, 7> table = {{
        /* Activation     */ {K, F, F, K, K, T, K, K},
        /* Throw the dice */ {F, T, K, F, F, F, F, F},
        /* Stop the dice  */ {T, F, K, T, T, T, T, T},
        /* Automatic      */ {F, F, T, F, F, F, F, F},
        /* Run's end      */ {F, K, F, T, T, T, T, F},
        /* Stop           */ {T, K, F, T, T, T, T, T},
        /* Init           */ {T, F, F, T, T, F, T, T},
    }};
    return table.at(static_cast<std::size_t>(step));
}

}  // namespace buttons
