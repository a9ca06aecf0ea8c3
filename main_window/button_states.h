// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "experiment_core/experiment_session.h"

namespace main_window {

// The experiment window's buttons, in the order of their control ids (Command1 to Command8).
enum class Button { Automatic, StopDice, Stop, Exit, Init, GraphDisplay, Help, ThrowDice };
inline constexpr std::size_t kButtonCount = 8;

// The steps of the session, each of which sets a fixed list of buttons, whatever the data.
using Step = experiment_core::Step;

// What a step does to one button.
enum class Setting { On, Off, Kept };

using Row = std::array<Setting, kButtonCount>;

// What a step sets: each button, in the order of Button; whether the results can be taken
// away (not while the numbers change); and the button that takes the keyboard focus when the
// step disables the focused one (a pupil who stops the dice with the keyboard lands on "Throw
// the dice" again, not on the next button Qt would pick).
struct StepSettings {
    Row buttons;
    Setting takeAway;
    Button focus;
};

const StepSettings& settingsFor(Step step);

// Which buttons are usable and whether the results can be taken away, as the steps have left
// them: at first everything is.
class ButtonStates {
public:
    void apply(Step step);
    [[nodiscard]] bool usable(Button button) const {
        return usable_.at(static_cast<std::size_t>(button));
    }
    [[nodiscard]] bool takeAway() const { return takeAway_; }

private:
    std::array<bool, kButtonCount> usable_{true, true, true, true, true, true, true, true};
    bool takeAway_ = true;
};

}  // namespace main_window
