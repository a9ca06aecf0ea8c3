// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>
#include <set>

#include "doubles/desktop_doubles.h"
#include "doubles/fake_dice.h"
#include "graph_window/graph_window.h"
#include "help_window/help_window.h"
#include "main_window/button_states.h"
#include "main_window/die_view.h"
#include "main_window/experiment_window.h"
#include "support/printing.h"

using main_window::Button;
using Buttons = std::set<Button>;
using main_window::Timer;
using main_window::Value;

// What the window system sends when the user closes a window from its frame: the close
// reaches the window's platform window first, not the widget.
inline void closeFromFrame(QWidget* window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

// The experiment window with recording doubles for everything it takes from outside. With a
// generator of the test's own, `random` stays null.
struct WindowHarness {
    explicit WindowHarness(std::unique_ptr<experiment_core::RandomSource> generator = nullptr) {
        auto scripted = std::make_unique<ScriptedRandom>();
        random = generator ? nullptr : scripted.get();
        ExperimentServices services{std::make_unique<FrozenClock>(),
                                    generator ? std::move(generator) : std::move(scripted),
                                    std::make_unique<RecordingSound>(),
                                    std::make_unique<AnsweringNotice>(),
                                    std::make_unique<take_away::SystemClipboard>(),
                                    std::make_unique<AnsweringFileDialog>(),
                                    std::make_unique<RecordingAnnouncer>(),
                                    [this] { ++programEnds; }};
        sound = static_cast<RecordingSound*>(services.sound.get());
        notice = static_cast<AnsweringNotice*>(services.notice.get());
        dialog = static_cast<AnsweringFileDialog*>(services.fileDialog.get());
        announcer = static_cast<RecordingAnnouncer*>(services.announcer.get());
        window = std::make_unique<ExperimentWindow>(std::move(services));
        stillTime.hold(*window->session());
    }

    // A graph window left open is a top-level window of its own, which nothing else ends.
    ~WindowHarness() { delete window->graphWindow(); }
    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

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
    [[nodiscard]] bool moving(Timer which) const {
        return window->session()->timer(which)->isActive();
    }
    [[nodiscard]] Buttons usableButtons() const {
        Buttons usable;
        for (std::size_t i = 0; i < main_window::kButtonCount; ++i) {
            button(Button(i))->isEnabled() ? void(usable.insert(Button(i))) : void();
        }
        return usable;
    }
    // The faces shown, the large die's then the small die's: "35" when each shows one face.
    [[nodiscard]] QString facesShown() const {
        QString faces;
        for (const auto die : {experiment_core::Die::Large, experiment_core::Die::Small}) {
            faces += QString::number(window->die(die)->shownFace());
        }
        return faces;
    }
    // A tick of each die's timer.
    void rollBothDice() const {
        window->session()->rollDie(experiment_core::Die::Large);
        window->session()->rollDie(experiment_core::Die::Small);
    }
    // One manual experiment with the given faces.
    void throwManually(int large, int small) const {
        window->session()->throwDice();
        random->queueFace(large);
        random->queueFace(small);
        rollBothDice();
        window->session()->stopDice();
    }

    ScriptedRandom* random = nullptr;
    RecordingSound* sound = nullptr;
    AnsweringNotice* notice = nullptr;
    AnsweringFileDialog* dialog = nullptr;
    RecordingAnnouncer* announcer = nullptr;
    int programEnds = 0;

    // The window's timers run but never fire by themselves: a test ticks them, so that a slow
    // build (under the sanitizers) meets exactly the events a fast one does.
    StillTime stillTime;
    std::unique_ptr<ExperimentWindow> window;
};
