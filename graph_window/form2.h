#pragma once

#include "activation.h"
#include "module1.h"
#include "secondary_window.h"

namespace platform {
class PictureBox;
}

// The graph window: the ratio of odd products against the number of experiments. It draws on
// every activation, over what it drew before, and is discarded when closed.
class Form2 : public platform::SecondaryWindow {
    Q_OBJECT
public:
    Form2(const experiment::Module1& shared, platform::ActivationTracker& activation);

    void Form_Activate();

private:
    const experiment::Module1& shared_;
    platform::PictureBox* Picture1;
};
