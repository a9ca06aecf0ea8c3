// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>

#include "button_states.h"
#include "doubles/answering_notice.h"
#include "doubles/fake_dice.h"
#include "doubles/recording_sound.h"
#include "doubles/take_away_doubles.h"
#include "experiment_window.h"
#include "graph_window.h"
#include "help_window.h"
#include "support/frame_close.h"
#include "support/printing.h"

using buttons::Button;
using Buttons = std::set<Button>;
using controls::Timer;
using controls::Value;

// The experiment window with recording doubles for everything it takes from outside. With a
// generator of the test's own, `random` stays null.
struct WindowHarness {
    explicit WindowHarness(std::unique_ptr<experiment::RandomSource> generator = nullptr) {
        auto scripted = std::make_unique<ScriptedRandom>();
        auto recording = std::make_unique<RecordingSound>();
        auto answering = std::make_unique<AnsweringNotice>();
        auto keeping = std::make_unique<RecordingClipboard>();
        auto asking = std::make_unique<AnsweringFileDialog>();
        auto announcing = std::make_unique<RecordingAnnouncer>();
        random = generator ? nullptr : scripted.get();
        sound = recording.get();
        notice = answering.get();
        clipboard = keeping.get();
        dialog = asking.get();
        announcer = announcing.get();
        window = std::make_unique<ExperimentWindow>(ExperimentServices{
            std::make_unique<FrozenClock>(), generator ? std::move(generator) : std::move(scripted),
            std::move(recording), std::move(answering), std::move(keeping), std::move(asking),
            std::move(announcing), [this] { ++programEnds; }});
    }

    // Shown and activated, as at start-up.
    void start() const {
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
    [[nodiscard]] QPushButton* button(Button which) const { return window->button(which); }
    [[nodiscard]] QString value(Value which) const { return window->valueLabel(which)->text(); }
    [[nodiscard]] QString cell(int large, int small) const {
        return window->cell(large, small)->text();
    }
    [[nodiscard]] bool moving(Timer which) const { return window->timer(which)->isActive(); }
    [[nodiscard]] Buttons usableButtons() const {
        Buttons usable;
        for (std::size_t i = 0; i < buttons::kButtonCount; ++i) {
            if (button(static_cast<Button>(i))->isEnabled()) {
                usable.insert(static_cast<Button>(i));
            }
        }
        return usable;
    }
    // The faces shown, the large die's then the small die's: "35" when each shows one face.
    [[nodiscard]] QString facesShown() const {
        QString faces;
        for (int picture = 0; picture < 12; ++picture) {
            const auto die = picture < 6 ? experiment::Die::Large : experiment::Die::Small;
            const bool shown = !window->dieFace(die, picture % 6 + 1)->isHidden();
            faces += shown ? QString::number(picture % 6 + 1) : QString();
        }
        return faces;
    }
    // A tick of each die's timer.
    void rollBothDice() const {
        window->rollLargeDie();
        window->rollSmallDie();
    }
    // Ticks of the run's timer until the run stops by itself.
    void runToItsEnd() const {
        while (moving(Timer::Run)) {
            window->runStep();
        }
    }
    // One manual experiment with the given faces.
    void throwManually(int large, int small) const {
        window->throwDice();
        random->queueFace(large);
        random->queueFace(small);
        rollBothDice();
        window->stopDice();
    }

    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    ScriptedRandom* random = nullptr;
    RecordingSound* sound = nullptr;
    AnsweringNotice* notice = nullptr;
    RecordingClipboard* clipboard = nullptr;
    AnsweringFileDialog* dialog = nullptr;
    RecordingAnnouncer* announcer = nullptr;
    int programEnds = 0;
    std::unique_ptr<ExperimentWindow> window;
};
