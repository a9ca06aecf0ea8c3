#pragma once

#include <QWidget>

#include "activation.h"
#include "module1.h"

class QPushButton;
namespace platform {
class PictureBox;
}

// The graph window: the ratio of odd products against the number of experiments. It draws on
// every activation, over what it drew before, and is discarded when closed.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(const experiment::Module1& shared, platform::ActivationTracker& activation);

    void Form_Activate();
    void Command1_Click();

signals:
    // The window is closing and will be discarded; the experiment window should come back.
    void closed();

protected:
    // The frame's close button does what "Close" does, so the experiment window comes back.
    void closeEvent(QCloseEvent* event) override;

private:
    const experiment::Module1& shared_;
    platform::PictureBox* Picture1;
};
