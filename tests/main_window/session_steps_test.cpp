// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <iostream>
#include <map>
#include <random>

#include "doubles/desktop_doubles.h"
#include "doubles/fake_dice.h"
#include "experiment_core/experiment_session.h"
#include "experiment_core/mixing_generator.h"
#include "main_window/button_states.h"
#include "support/printing.h"

namespace {

using experiment_core::Timer;
using main_window::Button;

// The experiment session with the button table it drives, and no widget: the dice are
// scripted (or drawn by a generator of the test's own), and the timers run but fire only when
// the test ticks them.
struct Session {
    explicit Session(std::unique_ptr<experiment_core::RandomSource> generator = nullptr)
        : random(generator ? std::move(generator) : std::make_unique<ScriptedRandom>()),
          session(clock, *random) {
        QObject::connect(&session, &experiment_core::ExperimentSession::stepReached, &session,
                         [this](experiment_core::Step step) { buttons.apply(step); });
        QObject::connect(&session, &experiment_core::ExperimentSession::faceShown, &session,
                         [this](experiment_core::Die die, int face) {
                             faces.at(die == experiment_core::Die::Large ? 0 : 1) = face;
                         });
        stillTime.hold(session);
        session.activate();  // as the window does when it first shows
    }
    [[nodiscard]] bool moving(Timer which) const { return session.timer(which)->isActive(); }
    [[nodiscard]] bool usable(Button which) const { return buttons.usable(which); }

    FrozenClock clock;
    std::unique_ptr<experiment_core::RandomSource> random;
    experiment_core::ExperimentSession session;
    main_window::ButtonStates buttons;
    std::array<int, 2> faces{};
    StillTime stillTime;
};

// What a pupil (or a timer) does, one letter each: a click only where its button is usable,
// a tick only while its timer runs, an activation of the window (V).
void act(Session& s, char letter) {
    using experiment_core::ExperimentSession;
    static const std::map<char, std::pair<Button, void (ExperimentSession::*)()>> clicks = {
        {'T', {Button::ThrowDice, &ExperimentSession::throwDice}},
        {'D', {Button::StopDice, &ExperimentSession::stopDice}},
        {'A', {Button::Automatic, &ExperimentSession::startRun}},
        {'S', {Button::Stop, &ExperimentSession::stopRun}},
        {'I', {Button::Init, &ExperimentSession::startAfresh}}};
    if (clicks.count(letter) > 0) {
        const auto& [button, command] = clicks.at(letter);
        s.usable(button) ? (s.session.*command)() : void();
    } else if (letter == 'R' && s.moving(Timer::LargeDie)) {
        s.session.rollDie(experiment_core::Die::Large);
        s.session.rollDie(experiment_core::Die::Small);
    } else if (letter == 'V') {
        s.session.activate();
    } else if (letter == 'k' && s.moving(Timer::Run)) {
        s.session.runStep();
    }
}

// Random acts, ticks dominating as in real time, Init and Stop rare enough for runs to reach
// 1000 now and then; the session starts at the counter's 16-bit limit, past which no throw
// counts and the throw buttons are off. After every act the tally holds the test's own count
// of the faces it recorded (a count one higher: the faces shown were recorded), the ratio is
// the odd count over the count, the history has no entry past the count, and the user is never
// stuck.
TEST(SessionSteps, HundredThousandRandomActsKeepEveryRuleAndNeverGetStuck) {
    const std::string letters = "ADSITRkV";
    const std::vector<double> weights = {3, 4, 0.4, 0.3, 4, 12, 60, 3};
    std::mt19937 rng(20221207);  // NOLINT(cert-msc32-c,cert-msc51-cpp): fixed on purpose
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    Session s(std::make_unique<experiment_core::MixingGenerator>(rng()));
    for (int n = 0; n < 32767; ++n) {
        act(s, 'T');
        act(s, 'D');
    }
    ASSERT_FALSE(s.usable(Button::ThrowDice) || s.usable(Button::Automatic));
    std::array<int, 36> cells{};
    for (int cell = 0; cell < 36; ++cell) {
        cells.at(cell) = s.session.tally().pairCount(cell / 6 + 1, cell % 6 + 1);
    }
    int count = 32767;
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000 && !HasFatalFailure(); ++i) {
        act(s, letters.at(pick(rng)));
        const experiment_core::Tally& tally = s.session.tally();
        const experiment_core::ExperimentRecord& record = tally.record();
        if (record.experimentCount == 0) {
            cells = {};
            count = 0;
        } else if (record.experimentCount == count + 1) {
            ++cells.at((s.faces[0] - 1) * 6 + s.faces[1] - 1);
            ++count;
        }
        int odd = 0;
        for (int cell = 0; cell < 36; ++cell) {
            odd += cell / 6 % 2 == 0 && cell % 6 % 2 == 0 ? cells.at(cell) : 0;
            ASSERT_EQ(tally.pairCount(cell / 6 + 1, cell % 6 + 1), cells.at(cell));
        }
        ASSERT_EQ(std::pair(int{record.experimentCount}, int{record.oddCount}),
                  std::pair(count, odd));
        ASSERT_EQ(record.oddRatio, count > 0 ? static_cast<float>(1.0 * odd / count) : 0.0F);
        for (int n = record.experimentCount + 1; n <= experiment_core::kExperimentLimit; ++n) {
            ASSERT_EQ(record.ratioHistory.at(n), 0.0F) << n;
        }
        // The user can always get on: Stop the dice usable exactly while the dice spin, Stop
        // only while a run goes, and some button that does something, or a run that ends by
        // itself.
        ASSERT_EQ(s.usable(Button::StopDice),
                  s.moving(Timer::LargeDie) && s.moving(Timer::SmallDie));
        ASSERT_TRUE(!s.usable(Button::Stop) || s.moving(Timer::Run));
        ASSERT_TRUE(s.moving(Timer::Run) || s.usable(Button::Init) || s.usable(Button::StopDice) ||
                    s.usable(Button::Stop));
    }
    std::cout << "100000 random acts on the session in "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()
              << " s\n";
}

}  // namespace
