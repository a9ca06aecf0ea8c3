// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment_core/tally.h"
#include "platform/activation.h"
#include "take_away/take_away.h"
#include "widgets/secondary_window.h"

namespace widgets {
class PictureBox;
}  // namespace widgets
namespace take_away {
class TakeAwayMenu;
}  // namespace take_away

// The graph window: the ratio of odd products against the number of experiments. It draws on
// every activation, over what it drew before, and deletes itself when closed.
class GraphWindow : public widgets::SecondaryWindow {
    Q_OBJECT
public:
    GraphWindow(const experiment_core::Tally& tally, platform::ActivationTracker& activation,
                const take_away::TakeAway& takeAway,
                const std::function<take_away::Document()>& page,
                const std::function<void(QWidget* owner)>& openClassResults);

    // Draws the graph over the canvas.
    void onActivated();
    // Taking the picture away (context menu, Ctrl+C, Ctrl+S).
    void copyPicture();
    void savePicture();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const experiment_core::Tally& tally_;
    widgets::PictureBox* canvas_;
    take_away::TakeAway takeAway_;
    take_away::TakeAwayMenu* pictureMenu_;
};
