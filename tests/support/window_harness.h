// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
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

using buttons::Button;
using Buttons = std::set<Button>;

// The experiment window with recording doubles for everything it takes from outside. With a
// generator of the test's own, `random` stays null.
struct WindowHarness {
    explicit WindowHarness(std::unique_ptr<experiment::RandomSource> generator = nullptr) {
        auto scripted = std::make_unique<ScriptedRandom>();
        auto recording = std::make_unique<RecordingSound>();
        auto answering = std::make_unique<AnsweringNotice>();
        auto keeping = std::make_unique<RecordingClipboard>();
        auto asking = std::make_unique<AnsweringSaveDialog>();
        random = generator ? nullptr : scripted.get();
        sound = recording.get();
        notice = answering.get();
        clipboard = keeping.get();
        dialog = asking.get();
        window = std::make_unique<ExperimentWindow>(ExperimentServices{
            std::make_unique<FrozenClock>(), generator ? std::move(generator) : std::move(scripted),
            std::move(recording), std::move(answering), std::move(keeping), std::move(asking),
            [this] { ++programEnds; }});
    }

    // Shown and activated, as at start-up.
    void start() const {
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
    // Buttons by meaning; their ids are Command1 to Command8 in the order of Button.
    [[nodiscard]] QPushButton* button(Button which) const {
        return window->findChild<QPushButton*>(
            QStringLiteral("Command%1").arg(static_cast<int>(which) + 1));
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
    [[nodiscard]] QString label(const QString& id) const {
        return window->findChild<QLabel*>(id)->text();
    }
    // Timer1 and Timer2 spin the dice, Timer3 drives the run.
    [[nodiscard]] bool moving(int timer) const {
        return window->findChild<QTimer*>(QStringLiteral("Timer%1").arg(timer))->isActive();
    }
    // The face a die shows, 0 unless exactly one is shown (die 1 large, 2 small).
    [[nodiscard]] int faceShown(int die) const {
        int shown = 0;
        for (int face = 1; face <= 6; ++face) {
            if (!window->findChild<QWidget*>(QStringLiteral("Image%1(%2)").arg(die).arg(face))
                     ->isHidden()) {
                shown = shown == 0 ? face : -1;
            }
        }
        return shown < 0 ? 0 : shown;
    }
    // One manual experiment with the given faces.
    void throwManually(int large, int small) const {
        window->throwDice();
        random->queueFace(large);
        window->rollLargeDie();
        random->queueFace(small);
        window->rollSmallDie();
        window->stopDice();
    }

    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    ScriptedRandom* random = nullptr;
    RecordingSound* sound = nullptr;
    AnsweringNotice* notice = nullptr;
    RecordingClipboard* clipboard = nullptr;
    AnsweringSaveDialog* dialog = nullptr;
    int programEnds = 0;
    std::unique_ptr<ExperimentWindow> window;
};
