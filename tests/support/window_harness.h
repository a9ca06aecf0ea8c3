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
#include "control_table.h"
#include "doubles/answering_notice.h"
#include "doubles/fake_dice.h"
#include "doubles/recording_sound.h"
#include "doubles/take_away_doubles.h"
#include "experiment_window.h"
#include "graph_window.h"
#include "help_window.h"
#include "support/frame_close.h"

using buttons::Button;
using Buttons = std::set<Button>;
using controls::Timer;
using controls::Value;

// The experiment window with recording doubles for everything it takes from outside. With a
// generator of the test's own, `random` stays null. Controls are found by what they are,
// through the window's own table of controls.
struct WindowHarness {
    explicit WindowHarness(std::unique_ptr<experiment::RandomSource> generator = nullptr) {
        auto scripted = std::make_unique<ScriptedRandom>();
        auto recording = std::make_unique<RecordingSound>();
        auto answering = std::make_unique<AnsweringNotice>();
        auto keeping = std::make_unique<RecordingClipboard>();
        auto asking = std::make_unique<AnsweringSaveDialog>();
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
    // The control of the table that `is` picks.
    template <typename Widget>
    [[nodiscard]] Widget* control(const std::function<bool(const controls::Control&)>& is) const {
        for (const controls::Control& control : controls::experimentWindowControls()) {
            if (is(control)) {
                return window->findChild<Widget*>(QString::fromStdString(control.id));
            }
        }
        return nullptr;
    }
    [[nodiscard]] QPushButton* button(Button which) const {
        return control<QPushButton>([which](const controls::Control& c) {
            return c.kind == controls::Kind::Button && c.button == which;
        });
    }
    [[nodiscard]] QString value(Value which) const {
        return control<QLabel>([which](const controls::Control& c) { return c.value == which; })
            ->text();
    }
    [[nodiscard]] QString cell(int large, int small) const {
        return control<QLabel>(
                   [=](const controls::Control& c) { return c.large == large && c.small == small; })
            ->text();
    }
    [[nodiscard]] bool moving(Timer which) const {
        return control<QTimer>([which](const controls::Control& c) {
                   return c.kind == controls::Kind::Timer && c.timer == which;
               })
            ->isActive();
    }
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
        for (const experiment::Die die : {experiment::Die::Large, experiment::Die::Small}) {
            for (int face = 1; face <= 6; ++face) {
                const auto* picture = control<QWidget>([=](const controls::Control& c) {
                    return c.kind == controls::Kind::DieFace && c.die == die && c.face == face;
                });
                faces += picture->isHidden() ? QString() : QString::number(face);
            }
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
    AnsweringSaveDialog* dialog = nullptr;
    RecordingAnnouncer* announcer = nullptr;
    int programEnds = 0;
    std::unique_ptr<ExperimentWindow> window;
};
