// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "doubles/answering_notice.h"
#include "doubles/fake_dice.h"
#include "doubles/recording_sound.h"
#include "experiment_window.h"
#include "graph_window.h"
#include "help_window.h"

// What the window system sends when the user closes a window from its frame: the close
// reaches the window's platform window first, not the widget.
inline void closeFromFrame(QWidget* window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

// The experiment window with recording doubles for everything it takes from outside.
struct WindowHarness {
    // With a generator of the test's own, `random` stays null.
    explicit WindowHarness(std::unique_ptr<experiment::RandomSource> generator = nullptr,
                           std::unique_ptr<platform::SoundControl> soundControl = nullptr) {
        auto clock_owned = std::make_unique<FrozenClock>();
        auto random_owned = std::make_unique<ScriptedRandom>();
        auto sound_owned = std::make_unique<RecordingSound>();
        auto notice_owned = std::make_unique<AnsweringNotice>();
        clock = clock_owned.get();
        random = generator ? nullptr : random_owned.get();
        sound = soundControl ? nullptr : sound_owned.get();
        notice = notice_owned.get();
        std::unique_ptr<experiment::RandomSource> chosenRandom =
            generator ? std::move(generator) : std::move(random_owned);
        std::unique_ptr<platform::SoundControl> chosenSound =
            soundControl ? std::move(soundControl) : std::move(sound_owned);
        form = std::make_unique<ExperimentWindow>(ExperimentServices{
            std::move(clock_owned), std::move(chosenRandom), std::move(chosenSound),
            std::move(notice_owned), [this] { ++programEnds; }});
    }

    // Shown and activated, as at start-up.
    void start() const {
        form->show();
        form->activateWindow();
        QApplication::processEvents();
    }

    [[nodiscard]] QPushButton* button(int number) const {
        return form->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
    [[nodiscard]] QString label(const QString& name) const {
        return form->findChild<QLabel*>(name)->text();
    }
    [[nodiscard]] QTimer* timer(int number) const {
        return form->findChild<QTimer*>(QStringLiteral("Timer%1").arg(number));
    }
    [[nodiscard]] bool pictureShown(int die, int face) const {
        return !form->findChild<QWidget*>(QStringLiteral("Image%1(%2)").arg(die).arg(face))
                    ->isHidden();
    }
    // The buttons that can be clicked, as a string of their numbers: "145678".
    [[nodiscard]] QString enabledButtons() const {
        QString numbers;
        for (int number = 1; number <= 8; ++number) {
            if (button(number)->isEnabled()) {
                numbers += QString::number(number);
            }
        }
        return numbers;
    }
    // One manual experiment with the given faces.
    void throwManually(int large, int small) const {
        form->throwDice();
        random->queueFace(large);
        form->rollLargeDie();
        random->queueFace(small);
        form->rollSmallDie();
        form->stopDice();
    }

    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    FrozenClock* clock = nullptr;
    ScriptedRandom* random = nullptr;
    RecordingSound* sound = nullptr;
    AnsweringNotice* notice = nullptr;
    int programEnds = 0;
    std::unique_ptr<ExperimentWindow> form;
};
