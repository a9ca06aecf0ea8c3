#pragma once

#include "activation.h"
#include "secondary_window.h"

namespace platform {
class PictureBox;
}

// The help window: the problem and how to operate the program, printed afresh on every
// activation. Closing it only hides it.
class Form4 : public platform::SecondaryWindow {
    Q_OBJECT
public:
    explicit Form4(platform::ActivationTracker& activation);

    void Form_Activate();

private:
    platform::PictureBox* Picture1;
};
