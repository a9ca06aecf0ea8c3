// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "experiment_core/die.h"
#include "experiment_core/tally.h"
#include "experiment_core/throws_csv.h"

class QTimer;

namespace experiment_core {

// What happened last, as far as the window's buttons are concerned: each step sets a fixed
// list of them, whatever the data. Full: the count stands at its 16-bit limit, where no
// further throw could be counted.
enum class Step { Activation, ThrowDice, StopDice, Automatic, RunEnd, Stop, Init, Opened, Full };

// The session's timers: one spins each die, one drives the automatic run.
enum class Timer { LargeDie, SmallDie, Run };

// One pupil's experiment, without a widget: the tally, the dice and what they show, the timers
// that spin them and drive a run, and the rules of the manual and the automatic experiment.
// It takes the commands a window's buttons give and says what changed; the experiment window
// shows it, and its graph, copy, save and print read its tally.
class ExperimentSession final : public QObject {
    Q_OBJECT
public:
    ExperimentSession(Clock& clock, RandomSource& random, QObject* parent = nullptr);

    [[nodiscard]] const Tally& tally() const { return tally_; }
    [[nodiscard]] QTimer* timer(Timer which) const;
    // The dice spin or a run goes.
    [[nodiscard]] bool moving() const;

    // The window became the active one: at rest, both dice show face 1.
    void activate();
    // "Throw the dice": both dice roll at once, then at each tick of their timers.
    void throwDice();
    void rollDie(Die die);
    // "Stop the dice": the faces shown are recorded as one experiment.
    void stopDice();
    // "Automatic", one experiment a tick of the run's timer, "Stop".
    void startRun();
    void runStep();
    void stopRun();
    // "Init": every experiment forgotten.
    void startAfresh();
    // Throws opened from files replace the experiment, as if thrown by hand.
    void replaceThrows(const std::vector<Faces>& throws);
    // Nothing moves any more: the program is about to end.
    void halt();

signals:
    void faceShown(experiment_core::Die die, int face);
    void tallyChanged();
    void stepReached(experiment_core::Step step);
    // What a screen reader should say.
    void announced(const QString& text);
    // The count stands at its 16-bit limit: no further throw would be counted.
    void full(int count);

private:
    void showFace(Die die, std::int16_t face);
    // Records the faces shown as one experiment.
    void recordThrow();
    void stopAtTheLimit();
    // The latest experiment and the totals, as a screen reader announces them.
    [[nodiscard]] QString latestResult() const;

    DieRoller roller_;
    Tally tally_;
    // The faces the dice show, large then small.
    std::array<std::int16_t, 2> faces_{1, 1};
    std::array<QTimer*, 3> timers_{};
};

}  // namespace experiment_core
