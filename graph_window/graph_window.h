// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activation.h"
#include "experiment_record.h"
#include "secondary_window.h"
#include "take_away.h"

namespace platform {
class PictureBox;
class TakeAwayMenu;
}  // namespace platform

// The graph window: the ratio of odd products against the number of experiments. It draws on
// every activation, over what it drew before, and is discarded when closed.
class GraphWindow : public platform::SecondaryWindow {
    Q_OBJECT
public:
    GraphWindow(const experiment::ExperimentRecord& record, platform::ActivationTracker& activation,
                const platform::TakeAway& takeAway);

    // Draws the graph over the canvas.
    void onActivated();
    // Taking the picture away (context menu, Ctrl+C, Ctrl+S).
    void copyPicture();
    void savePicture();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const experiment::ExperimentRecord& record_;
    platform::PictureBox* canvas_;
    platform::TakeAway takeAway_;
    platform::TakeAwayMenu* pictureMenu_;
};
