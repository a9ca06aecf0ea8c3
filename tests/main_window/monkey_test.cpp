// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <iostream>
#include <random>
#include <set>

#include "mixing_generator.h"
#include "number_text.h"
#include "support/window_harness.h"

namespace {

enum class Event {
    Click,       // a button of the experiment window, 1 to 8
    Tick,        // a tick of an enabled timer, 1 to 3
    Activate,    // a shown window becomes the active one
    Close,       // "Close" of the graph or help window
    FrameClose,  // the frame's close button of a window
};

struct Choice {
    Event event;
    int which;
    double weight;
};

// Ticks dominate, as they do in real time; "Init" and "Stop" are rare enough for runs to
// reach the limit now and then.
const std::vector<Choice> kChoices = {
    {Event::Click, 1, 3},         {Event::Click, 2, 4},      {Event::Click, 3, 0.4},
    {Event::Click, 4, 0.03},      {Event::Click, 5, 0.3},    {Event::Click, 6, 2},
    {Event::Click, 7, 2},         {Event::Click, 8, 4},      {Event::Tick, 1, 6},
    {Event::Tick, 2, 6},          {Event::Tick, 3, 60},      {Event::Activate, 1, 1.5},
    {Event::Activate, 2, 1},      {Event::Activate, 4, 1},   {Event::Close, 2, 1.5},
    {Event::Close, 4, 1.5},       {Event::FrameClose, 2, 1}, {Event::FrameClose, 4, 1},
    {Event::FrameClose, 1, 0.03},
};

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) { startProgram(); }

    void run(int events) {
        const std::vector<double> chances = weights();
        std::discrete_distribution<std::size_t> pick(chances.begin(), chances.end());
        for (int i = 0; i < events; ++i) {
            act(kChoices.at(pick(rng_)));
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (harness_->programEnds > 0) {
                startProgram();
                continue;
            }
            check();
            if (::testing::Test::HasFatalFailure()) {
                std::cerr << "after event " << i << "\n";
                return;
            }
            states_.insert(harness_->enabledButtons().toStdString());
        }
    }

    [[nodiscard]] const std::set<std::string>& states() const { return states_; }
    [[nodiscard]] int programs() const { return programs_; }

private:
    static std::vector<double> weights() {
        std::vector<double> all;
        all.reserve(kChoices.size());
        for (const Choice& choice : kChoices) {
            all.push_back(choice.weight);
        }
        return all;
    }

    void startProgram() {
        harness_ =
            std::make_unique<WindowHarness>(std::make_unique<experiment::MixingGenerator>(rng_()));
        harness_->start();
        faceless_ = 0;
        ++programs_;
    }

    [[nodiscard]] QWidget* window(int number) const {
        ExperimentWindow& form = *harness_->form;
        QWidget* found = number == 1   ? static_cast<QWidget*>(&form)
                         : number == 2 ? static_cast<QWidget*>(form.graphWindow())
                                       : static_cast<QWidget*>(form.helpWindow());
        return found != nullptr && found->isVisible() ? found : nullptr;
    }

    void act(const Choice& choice) {
        ExperimentWindow& form = *harness_->form;
        const int countBefore = form.record().experimentCount;
        const bool facelessBefore = form.tally().largeFace() == 0 || form.tally().smallFace() == 0;
        switch (choice.event) {
            case Event::Click:
                // A person clicks only what is shown; a disabled button does nothing.
                if (window(1) != nullptr) {
                    harness_->button(choice.which)->click();
                }
                break;
            case Event::Tick:
                tick(choice.which);
                break;
            case Event::Activate:
                if (QWidget* shown = window(choice.which)) {
                    shown->activateWindow();
                }
                break;
            case Event::Close:
                if (window(choice.which) != nullptr) {
                    if (choice.which == 2) {
                        form.graphWindow()->close();
                    } else {
                        form.helpWindow()->close();
                    }
                }
                break;
            case Event::FrameClose:
                if (QWidget* shown = window(choice.which)) {
                    shown->close();
                }
                break;
        }
        const int countAfter = form.record().experimentCount;
        if (countAfter == 0) {
            faceless_ = 0;
        } else if (countAfter == countBefore + 1 && choice.event == Event::Click &&
                   facelessBefore) {
            ++faceless_;
        }
    }

    void tick(int timer) const {
        ExperimentWindow& form = *harness_->form;
        if (!harness_->timer(timer)->isActive()) {
            return;
        }
        if (timer == 1) {
            form.rollLargeDie();
        } else if (timer == 2) {
            form.rollSmallDie();
        } else {
            form.runStep();
        }
    }

    void check() const {
        const ExperimentWindow& form = *harness_->form;
        const auto& tally = form.tally();
        const int count = form.record().experimentCount;
        // The labels stay blank until the first record or Init.
        const bool written = !harness_->label("Label17").isEmpty();
        int cells = 0;
        int odd = 0;
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small) {
                const int cell = tally.pairCount(large, small);
                cells += cell;
                odd += (large % 2 == 1 && small % 2 == 1) ? cell : 0;
                if (written) {
                    ASSERT_EQ(harness_->label(QStringLiteral("d%1%2").arg(large).arg(small)),
                              QString::number(cell));
                }
            }
        }
        ASSERT_EQ(cells, count - faceless_);
        ASSERT_EQ(tally.oddCount(), odd);
        for (int n = count + 1; n <= experiment::kExperimentLimit; ++n) {
            ASSERT_EQ(form.record().ratioHistory.at(n), 0.0F) << n;
        }
        if (written) {
            ASSERT_EQ(harness_->label("Label17"), QString::number(count));
            ASSERT_EQ(harness_->label("Label4"), QString::number(tally.oddCount()));
            ASSERT_EQ(harness_->label("Label8"),
                      QString::fromStdString(experiment::ratioText(form.record().oddCount, form.record().experimentCount)));
        }
        ASSERT_TRUE(canGoOn()) << harness_->enabledButtons().toStdString();
        QWidget* focused = QApplication::focusWidget();
        if (focused != nullptr && focused->window() == &form) {
            ASSERT_TRUE(focused->isEnabled()) << focused->objectName().toStdString();
        }
    }

    // The user can always get to a state in which "Throw the dice", "Automatic" or "Init"
    // can be clicked: directly, by stopping the dice or the run, by letting the run finish,
    // or by coming back to the experiment window through a window that is shown.
    [[nodiscard]] bool canGoOn() const {
        if (window(1) == nullptr) {
            return window(2) != nullptr || window(4) != nullptr;
        }
        for (int number : {1, 2, 3, 5, 8}) {
            if (harness_->button(number)->isEnabled()) {
                return true;
            }
        }
        return harness_->timer(3)->isActive();
    }

    std::mt19937 rng_;
    std::unique_ptr<WindowHarness> harness_;
    int faceless_ = 0;
    int programs_ = 0;
    std::set<std::string> states_;
};

TEST(Monkey, HundredThousandRandomEventsKeepEveryRuleAndNeverGetStuck) {
    constexpr int kEvents = 100000;
    Monkey monkey(20221207);
    monkey.run(kEvents);
    std::cout << "Monkey: " << kEvents << " events, " << monkey.programs() << " program runs, "
              << monkey.states().size() << " button states:";
    for (const std::string& state : monkey.states()) {
        std::cout << " [" << state << "]";
    }
    std::cout << "\n";
    // Start-up, spinning, running, finished, after Init and after an activation mid-spin.
    for (const char* state : {"145678", "2", "3", "4567", "14578"}) {
        EXPECT_EQ(monkey.states().count(state), 1U) << state;
    }
}

}  // namespace
