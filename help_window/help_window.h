// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/activation.h"
#include "widgets/secondary_window.h"

namespace widgets {
class PictureBox;
}  // namespace widgets

// The help window: the problem and how to operate the program, printed afresh on every
// activation. Closing it only hides it.
class HelpWindow : public widgets::SecondaryWindow {
    Q_OBJECT
public:
    explicit HelpWindow(platform::ActivationTracker& activation);

    // Prints the help text on a cleared canvas.
    void onActivated();

private:
    widgets::PictureBox* canvas_;
};
