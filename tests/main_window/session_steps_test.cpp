// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QEvent>
#include <QRegularExpression>
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
#include "experiment_core/number_text.h"
#include "experiment_core/shown_numbers.h"
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
// a tick only while its timer runs.
void act(Session& s, char letter) {
    using experiment_core::ExperimentSession;
    static const std::map<char, std::pair<Button, void (ExperimentSession::*)()>> clicks = {
        {'T', {Button::ThrowDice, &ExperimentSession::throwDice}},
        {'D', {Button::StopDice, &ExperimentSession::stopDice}},
        {'A', {Button::Automatic, &ExperimentSession::startRun}},
        {'S', {Button::Stop, &ExperimentSession::stopRun}},
        {'I', {Button::Init, &ExperimentSession::startAfresh}}};
    const int ticks = letter == 'k' ? 1 : letter == '9' ? 999 : letter == 'K' ? -1 : 0;
    if (clicks.count(letter) > 0) {
        const auto& [button, command] = clicks.at(letter);
        s.usable(button) ? (s.session.*command)() : void();
    } else if (letter == 'R' && s.moving(Timer::LargeDie)) {
        s.session.rollDie(experiment_core::Die::Large);
        s.session.rollDie(experiment_core::Die::Small);
    } else if (letter == 'V') {
        s.session.activate();
    }
    for (int i = 0; i != ticks && s.moving(Timer::Run); ++i) {
        s.session.runStep();
    }
}

// The usable buttons, and "Results" when they can be taken away | the count, odd count and
// ratio | the table's non-zero cells as large-small:count | the timers ticking (1, 2 the
// dice, 3 the run) | the faces shown, large and small. Blank is "-".
QString stateOf(const Session& s) {
    static const char* const names[] = {"Automatic", "StopDice",     "Stop", "Exit",
                                        "Init",      "GraphDisplay", "Help", "ThrowDice"};
    QStringList usable;
    for (std::size_t i = 0; i < main_window::kButtonCount; ++i) {
        s.usable(Button(i)) ? void(usable << names[i]) : void();
    }
    s.buttons.takeAway() ? void(usable << "Results") : void();
    const experiment_core::Tally& tally = s.session.tally();
    const experiment_core::ExperimentRecord& record = tally.record();
    QString cells;
    for (int cell = 0; cell < 36; ++cell) {
        const int count = tally.pairCount(cell / 6 + 1, cell % 6 + 1);
        cells +=
            count == 0 ? "" : QString(" %1%2:%3").arg(cell / 6 + 1).arg(cell % 6 + 1).arg(count);
    }
    QString timers;
    for (int i = 0; i < 3; ++i) {
        timers += s.moving(Timer(i)) ? QString::number(i + 1) : "";
    }
    QStringList parts = {
        usable.join(' '),
        QString("%1 %2 %3")
            .arg(record.experimentCount)
            .arg(record.oddCount)
            .arg(experiment_core::shownRatio(record.oddCount, record.experimentCount)),
        cells.trimmed(), timers, QString("%1%2").arg(s.faces[0]).arg(s.faces[1])};
    parts.replaceInStrings(QRegularExpression("^$"), "-");
    return parts.join(" | ");
}

const QString kSessionReady = "Automatic Exit Init GraphDisplay Help ThrowDice Results";
const QString kSessionOneThrow = " | 1 1 1.000 | 35:1 | - | 35";
const QString kSessionFinished =
    "Exit Init GraphDisplay Help Results | 1000 1000 1.000 | 11:1000 | - | 11";

// From start-up, each script of acts (with the faces the dice show, in the order they are
// rolled) leads to its state.
TEST(SessionSteps, LeadToTheirState) {
    const std::vector<std::tuple<const char*, const char*, const char*, QString>> sequences = {
        {"start-up", "", "", kSessionReady + " | 0 0 0.000 | - | - | 11"},
        {"Throw spins both dice", "", "T", "StopDice | 0 0 0.000 | - | 12 | 11"},
        {"Stop the dice records the faces shown", "1135", "TRD", kSessionReady + kSessionOneThrow},
        {"the throw shows new faces, which Stop records", "35", "TD",
         kSessionReady + kSessionOneThrow},
        {"Automatic starts the run", "", "A", "Stop | 0 0 0.000 | - | 3 | 11"},
        {"Stop ends the run", "112235", "AkkkS",
         kSessionReady + " | 3 2 0.667 | 11:1 22:1 35:1 | - | 35"},
        {"a run continues from the count", "112213", "TRDAkS",
         kSessionReady + " | 2 1 0.500 | 13:1 22:1 | - | 13"},
        {"the tick of the 1000th experiment leaves the run going", "", "A9k",
         "Stop | 1000 1000 1.000 | 11:1000 | 3 | 11"},
        {"the next tick ends the run", "", "A9kk", kSessionFinished},
        {"Stop between them leaves Automatic usable", "", "A9kS",
         kSessionReady + " | 1000 1000 1.000 | 11:1000 | - | 11"},
        {"Automatic at 1000 ends at its first tick", "", "A9kSAk", kSessionFinished},
        {"a run to its end", "", "AK", kSessionFinished},
        {"Init starts afresh", "1122", "TRDI",
         "Automatic Exit Init Help ThrowDice Results | 0 0 0.000 | - | - | 22"},
        {"activation after Init shows face 1 and the graph", "1122", "TRDIV",
         kSessionReady + " | 0 0 0.000 | - | - | 11"},
        {"activation leaves spinning dice stoppable", "", "TV",
         "StopDice | 0 0 0.000 | - | 12 | 11"},
        {"activation leaves a run stoppable", "46", "AkV", "Stop | 1 0 0.000 | 46:1 | 3 | 46"},
    };
    for (const auto& [name, faces, acts, state] : sequences) {
        auto scripted = std::make_unique<ScriptedRandom>();
        for (const char* face = faces; *face != '\0'; ++face) {
            scripted->queueFace(*face - '0');
        }
        Session s(std::move(scripted));
        for (const char* letter = acts; *letter != '\0'; ++letter) {
            act(s, *letter);
        }
        EXPECT_EQ(stateOf(s), state) << name;
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
