// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/experiment_session.h"

#include <QTimer>
#include <algorithm>

#include "experiment_core/shown_numbers.h"

namespace experiment_core {

ExperimentSession::ExperimentSession(Clock& clock, RandomSource& random, QObject* parent)
    : QObject(parent), roller_(clock, random) {
    for (QTimer*& timer : timers_) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(timer(Timer::LargeDie), &QTimer::timeout, this, [this] { rollDie(Die::Large); });
    connect(timer(Timer::SmallDie), &QTimer::timeout, this, [this] { rollDie(Die::Small); });
    connect(timer(Timer::Run), &QTimer::timeout, this, &ExperimentSession::runStep);
}

QTimer* ExperimentSession::timer(Timer which) const {
    return timers_.at(static_cast<std::size_t>(which));
}

bool ExperimentSession::moving() const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [](const QTimer* timer) { return timer->isActive(); });
}

void ExperimentSession::activate() {
    // While the dice spin or a run goes, "Stop the dice" or "Stop" must stay usable: coming
    // back from the help window must not leave dice that no button can stop.
    if (moving()) {
        return;
    }
    showFace(Die::Large, 1);
    showFace(Die::Small, 1);
    emit stepReached(Step::Activation);
}

void ExperimentSession::throwDice() {
    // The dice take new faces at once: "Stop the dice" before the first tick records the faces
    // they show, never faces that nobody saw.
    rollDie(Die::Large);
    rollDie(Die::Small);
    timer(Timer::LargeDie)->start();
    timer(Timer::SmallDie)->start();
    emit stepReached(Step::ThrowDice);
}

void ExperimentSession::rollDie(Die die) {
    showFace(die, roller_.roll());
}

void ExperimentSession::showFace(Die die, std::int16_t face) {
    faces_.at(die == Die::Large ? 0 : 1) = face;
    emit faceShown(die, face);
}

void ExperimentSession::stopDice() {
    timer(Timer::LargeDie)->stop();
    timer(Timer::SmallDie)->stop();
    emit stepReached(Step::StopDice);
    recordThrow();
    emit announced(latestResult());
    stopAtTheLimit();
}

void ExperimentSession::stopAtTheLimit() {
    if (tally_.full()) {
        emit stepReached(Step::Full);
        emit full(tally_.record().experimentCount);
    }
}

void ExperimentSession::startRun() {
    emit stepReached(Step::Automatic);
    timer(Timer::Run)->start();
}

void ExperimentSession::runStep() {
    // At or past the limit (manual experiments can pass it) the run is over: a tick there
    // would have no place in the history for its experiment.
    if (tally_.record().experimentCount >= kExperimentLimit) {
        emit stepReached(Step::RunEnd);
        timer(Timer::Run)->stop();
        //: announced to a screen reader after the last experiment of an automatic run
        emit announced(latestResult() + QLatin1Char(' ') + tr("Run finished."));
        return;
    }
    rollDie(Die::Large);
    rollDie(Die::Small);
    recordThrow();
    // A screen reader hears how the run goes every hundred experiments, not at every tick.
    const ExperimentRecord& record = tally_.record();
    if (record.experimentCount % 100 == 0) {
        //: announced to a screen reader every hundred experiments of a run: count, ratio
        emit announced(tr("%1 experiments, ratio %2.")
                           .arg(record.experimentCount)
                           .arg(shownRatio(record.oddCount, record.experimentCount)));
    }
}

void ExperimentSession::stopRun() {
    emit stepReached(Step::Stop);
    timer(Timer::Run)->stop();
    //: announced to a screen reader when an automatic run is stopped
    emit announced(latestResult() + QLatin1Char(' ') + tr("Stopped."));
}

void ExperimentSession::recordThrow() {
    // At the counter's 16-bit limit nothing more is recorded, and nothing changes.
    if (tally_.addThrow(faces_.at(0), faces_.at(1))) {
        emit tallyChanged();
    }
}

void ExperimentSession::startAfresh() {
    tally_.reset();
    emit tallyChanged();
    emit stepReached(Step::Init);
    //: announced to a screen reader after Init
    emit announced(tr("Started afresh."));
}

void ExperimentSession::replaceThrows(const std::vector<Faces>& throws) {
    tally_.reset();
    for (const Faces& faces : throws) {
        tally_.addThrow(faces.large, faces.small);
    }
    // The dice show the last throw, as they would after throwing it by hand.
    if (!throws.empty()) {
        showFace(Die::Large, throws.back().large);
        showFace(Die::Small, throws.back().small);
    }
    emit tallyChanged();
    emit stepReached(Step::Opened);
    //: announced to a screen reader after throws were opened from files
    emit announced(tr("Throws opened.") + QLatin1Char(' ') + latestResult());
    stopAtTheLimit();
}

void ExperimentSession::halt() {
    for (QTimer* timer : timers_) {
        timer->stop();
    }
}

QString ExperimentSession::latestResult() const {
    const ExperimentRecord& record = tally_.record();
    const int count = record.experimentCount;
    const QString ratio = shownRatio(record.oddCount, count);
    QString totals =
        count == 1
            //: announced after a result: the odd count, the ratio
            ? tr("1 experiment, %1 odd, ratio %2.").arg(record.oddCount).arg(ratio)
            //: announced after a result: the count, the odd count, the ratio
            : tr("%1 experiments, %2 odd, ratio %3.").arg(count).arg(record.oddCount).arg(ratio);
    if (tally_.throws().empty()) {
        return totals;
    }
    const Throw& last = tally_.throws().back();
    const QString faces = isOddPair(last.large, last.small)
                              //: announced after a throw: its two faces
                              ? tr("Large %1, small %2: odd product.")
                              //: announced after a throw: its two faces
                              : tr("Large %1, small %2: even product.");
    return faces.arg(last.large).arg(last.small) + QLatin1Char(' ') + totals;
}

}  // namespace experiment_core
