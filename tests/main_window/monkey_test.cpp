// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <iostream>
#include <limits>
#include <random>

#include "mixing_generator.h"
#include "support/window_harness.h"

namespace {

// Random use: clicks on the eight buttons, ticks of the three timers, activations, Close
// buttons and frame closes of the three windows. Ticks dominate, as they do in real time;
// "Init" and "Stop" are rare enough for runs to reach 1000 now and then, ending the program
// rarer still. The first program starts with the counter at its 16-bit limit.
class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) { startProgram(true); }

    void run(int events) {
        //                              Buttons 1-8                   Ticks    Act Close Frame
        const std::vector<double> weights = {3,  4, 0.4, 0.03, 0.3, 2, 2, 4, 6,   6,
                                             60, 1, 1,   1.5,  1.5, 1, 1, 1, 0.03};
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        for (int i = 0; i < events && !::testing::Test::HasFatalFailure(); ++i) {
            act(pick(rng_));
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (harness_->programEnds > 0) {
                startProgram(false);
                continue;
            }
            follow();
            check();
            states.insert(harness_->usableButtons());
        }
    }

    std::set<Buttons> states;
    int programs = 0;

private:
    void startProgram(bool atTheLimit) {
        harness_ =
            std::make_unique<WindowHarness>(std::make_unique<experiment::MixingGenerator>(rng_()));
        harness_->start();
        for (int i = 0; atTheLimit && i < std::numeric_limits<std::int16_t>::max(); ++i) {
            harness_->window->throwDice();
            harness_->rollBothDice();
            harness_->window->stopDice();
        }
        // What the monkey expects from here on, as the window shows it now.
        count_ = harness_->value(Value::ExperimentCount).toInt();
        for (int cell = 0; cell < 36; ++cell) {
            cells_.at(cell) = harness_->cell(cell / 6 + 1, cell % 6 + 1).toInt();
        }
        ++programs;
    }

    // The monkey's own count of what the window recorded: a count one higher means the faces
    // the dice show were recorded; Init starts afresh.
    void follow() {
        const QString shown = harness_->value(Value::ExperimentCount);
        if (shown == "0") {
            cells_ = {};
            count_ = 0;
        } else if (shown.toInt() == count_ + 1) {
            const QString faces = harness_->facesShown();
            ++cells_.at((faces.at(0).digitValue() - 1) * 6 + faces.at(1).digitValue() - 1);
            ++count_;
        }
    }

    // Window 0 the experiment window, 1 the graph, 2 the help window, if shown.
    [[nodiscard]] QWidget* shown(int which) const {
        ExperimentWindow* main = harness_->window.get();
        QWidget* windows[] = {main, main->graphWindow(), main->helpWindow()};
        return windows[which] != nullptr && windows[which]->isVisible() ? windows[which] : nullptr;
    }

    // The window each of the choices 11 to 18 acts on: activations of the three windows,
    // Close of the graph and help windows, frame closes of those and of the experiment window.
    static constexpr std::array<int, 8> kWindowOf = {0, 1, 2, 1, 2, 1, 2, 0};

    void act(int choice) const {
        ExperimentWindow& window = *harness_->window;
        if (choice < 8 && window.isVisible()) {
            // A person clicks only what is shown; a disabled button does nothing.
            harness_->button(static_cast<Button>(choice))->click();
        } else if (choice >= 8 && choice < 11 && harness_->moving(static_cast<Timer>(choice - 8))) {
            choice == 8 ? window.rollLargeDie()
                        : (choice == 9 ? window.rollSmallDie() : window.runStep());
        } else if (QWidget* target = choice >= 11 ? shown(kWindowOf.at(choice - 11)) : nullptr) {
            if (choice < 14) {
                target->activateWindow();
            } else if (choice < 16) {
                target->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            } else {
                closeFromFrame(target);
            }
        }
    }

    // After every event: the labels show the monkey's own count, the ratio is the nearest
    // thousandth, the history has no entry past the count, and the user is never stuck.
    void check() const {
        const bool written = !harness_->value(Value::ExperimentCount).isEmpty();
        int odd = 0;
        for (int cell = 0; cell < 36; ++cell) {
            odd += cell / 6 % 2 == 0 && cell % 6 % 2 == 0 ? cells_.at(cell) : 0;
            ASSERT_EQ(harness_->cell(cell / 6 + 1, cell % 6 + 1),
                      written ? QString::number(cells_.at(cell)) : QString());
        }
        ASSERT_EQ(harness_->value(Value::ExperimentCount) + " " + harness_->value(Value::OddCount),
                  written ? QString("%1 %2").arg(count_).arg(odd) : " ");
        const QString ratio = harness_->value(Value::Ratio);
        ASSERT_TRUE(!written || (ratio.size() == 5 && ratio.at(1) == '.' &&
                                 std::abs(ratio.toDouble() -
                                          (count_ > 0 ? 1.0 * odd / count_ : 0)) < 0.0005001))
            << ratio;
        const experiment::ExperimentRecord& record = harness_->window->tally().record();
        for (int n = record.experimentCount + 1; n <= experiment::kExperimentLimit; ++n) {
            ASSERT_EQ(record.ratioHistory.at(n), 0.0F) << n;
        }
        // The user can always get on: through a shown button whose press does something (Stop
        // the dice usable exactly while the dice spin, Stop only while a run goes), a run that
        // ends by itself, or a window that leads back to the experiment window.
        const Buttons usable = harness_->usableButtons();
        const bool dice = harness_->moving(Timer::LargeDie) && harness_->moving(Timer::SmallDie);
        ASSERT_EQ(usable.count(Button::StopDice) == 1, dice);
        ASSERT_TRUE(usable.count(Button::Stop) == 0 || harness_->moving(Timer::Run));
        ASSERT_TRUE(shown(0) == nullptr
                        ? shown(1) || shown(2)
                        : harness_->moving(Timer::Run) || usable.count(Button::Init) ||
                              usable.count(Button::StopDice) || usable.count(Button::Stop));
    }

    std::mt19937 rng_;
    std::unique_ptr<WindowHarness> harness_;
    std::array<int, 36> cells_{};
    int count_ = 0;
};

TEST(Monkey, HundredThousandRandomEventsKeepEveryRuleAndNeverGetStuck) {
    Monkey monkey(20221207);
    monkey.run(100000);
    std::cout << "Monkey: 100000 events, " << monkey.programs << " program runs, "
              << monkey.states.size() << " button states\n";
    // Ready, spinning, running, after Init, and a run that finished by itself at 1000.
    EXPECT_EQ(monkey.states.size(), 5U);
    EXPECT_EQ(monkey.states.count({Button::Exit, Button::Init, Button::GraphDisplay, Button::Help}),
              1U);
}

}  // namespace
