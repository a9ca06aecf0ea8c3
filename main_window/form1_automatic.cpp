#include <QPushButton>

#include "form1.h"

void Form1::Command1_Click() {
    Command[1]->setEnabled(false);
    Command[2]->setEnabled(false);
    Command[3]->setEnabled(true);
    Command[4]->setEnabled(false);
    Command[5]->setEnabled(false);
    Command[6]->setEnabled(false);
    Command[7]->setEnabled(false);
    Command[8]->setEnabled(false);
    Timer3.start();
}

void Form1::Timer3_Timer() {
    // At or past the limit (manual experiments can pass it) the run is over: a tick there
    // would have no place in the history for its experiment.
    if (module1_.ExperimentCount >= experiment::kExperimentLimit) {
        Command[3]->setEnabled(false);
        Command[1]->setEnabled(false);
        Command[4]->setEnabled(true);
        Command[5]->setEnabled(true);
        Command[6]->setEnabled(true);
        Command[7]->setEnabled(true);
        Command[8]->setEnabled(false);
        Timer3.stop();
        return;
    }
    RecordThrowCountPhase();
    RollDie(experiment::Die::Large);
    RollDie(experiment::Die::Small);
    RecordThrowTallyPhase();
}

void Form1::Command3_Click() {
    Command[1]->setEnabled(true);
    Command[3]->setEnabled(false);
    Command[4]->setEnabled(true);
    Command[5]->setEnabled(true);
    Command[6]->setEnabled(true);
    Command[7]->setEnabled(true);
    Command[8]->setEnabled(true);
    Timer3.stop();
}
