// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activation.h"
#include "experiment_record.h"
#include "secondary_window.h"

namespace platform {
class PictureBox;
}

// The graph window: the ratio of odd products against the number of experiments. It draws on
// every activation, over what it drew before, and is discarded when closed.
class GraphWindow : public platform::SecondaryWindow {
    Q_OBJECT
public:
    GraphWindow(const experiment::ExperimentRecord& record,
                platform::ActivationTracker& activation);

    // Draws the graph over the canvas.
    void onActivated();

private:
    const experiment::ExperimentRecord& record_;
    platform::PictureBox* canvas_;
};
