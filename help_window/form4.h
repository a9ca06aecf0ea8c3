#pragma once

#include <QWidget>

#include "activation.h"

namespace platform {
class PictureBox;
}

// The help window: the problem and how to operate the program, printed afresh on every
// activation. Closing it only hides it.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(platform::ActivationTracker& activation);

    void Form_Activate();
    void Command1_Click();

signals:
    // The window was hidden; the experiment window should come back.
    void closed();

protected:
    // The frame's close button does what "Close" does.
    void closeEvent(QCloseEvent* event) override;

private:
    platform::PictureBox* Picture1;
};
