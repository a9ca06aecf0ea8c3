// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <limits>
#include <random>

#include "mixing_generator.h"
#include "number_text.h"
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
        ++programs;
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

    // After every event: the labels show the tally, the cells add up to the count, the
    // history has no entry past the count, and the user is never stuck.
    void check() const {
        const ExperimentWindow& window = *harness_->window;
        const experiment::ExperimentRecord& record = window.tally().record();
        const bool written = !harness_->value(Value::ExperimentCount).isEmpty();
        int cells = 0;
        int odd = 0;
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small) {
                const int cell = window.tally().pairCount(large, small);
                cells += cell;
                odd += experiment::isOddPair(large, small) ? cell : 0;
                ASSERT_EQ(harness_->cell(large, small),
                          written ? QString::number(cell) : QString());
            }
        }
        ASSERT_EQ(cells, record.experimentCount);
        ASSERT_EQ(record.oddCount, odd);
        for (int n = record.experimentCount + 1; n <= experiment::kExperimentLimit; ++n) {
            ASSERT_EQ(record.ratioHistory.at(n), 0.0F) << n;
        }
        ASSERT_EQ((harness_->value(Value::ExperimentCount) + " " +
                   harness_->value(Value::OddCount) + " " + harness_->value(Value::Ratio))
                      .toStdString(),
                  written ? std::to_string(record.experimentCount) + " " + std::to_string(odd) +
                                " " + experiment::ratioText(odd, record.experimentCount)
                          : "  ");
        // The user can always get on: through a shown button that starts or stops something,
        // a run that ends by itself, or a window that leads back to the experiment window.
        const Buttons usable = harness_->usableButtons();
        ASSERT_TRUE(shown(0) == nullptr
                        ? shown(1) || shown(2)
                        : harness_->moving(Timer::Run) || usable.count(Button::Init) ||
                              usable.count(Button::StopDice) || usable.count(Button::Stop));
    }

    std::mt19937 rng_;
    std::unique_ptr<WindowHarness> harness_;
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
