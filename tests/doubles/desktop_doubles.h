// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

#include "experiment_core/experiment_session.h"
#include "platform/announcer.h"
#include "platform/notice_box.h"
#include "sound/sound_control.h"
#include "take_away/clipboard.h"
#include "take_away/take_away.h"

// Answers every notice at once, as a user clicking OK (or the test's answer to a question)
// would, and remembers what it said.
class AnsweringNotice final : public platform::NoticeBox {
public:
    struct Shown {
        QString title;
        QString text;
    };
    void inform(QWidget* /*owner*/, const QString& title, const QString& text) override {
        shown.push_back({title, text});
        if (whileShown) {
            whileShown();
        }
    }
    bool ask(QWidget* owner, const QString& title, const QString& question) override {
        inform(owner, title, question);
        return yes;
    }
    std::vector<Shown> shown;
    bool yes = true;
    // Runs while the notice is "open", before the user answers it.
    std::function<void()> whileShown;
};

// Remembers what was announced to the screen reader.
class RecordingAnnouncer final : public platform::Announcer {
public:
    void announce(QWidget* /*window*/, const QString& text) override { said << text; }
    QStringList said;
};

// Remembers every command it is given, in order, and sounds nothing.
class RecordingSound final : public sound::SoundControl {
public:
    void stop() override { log << "Stop"; }
    void close() override { log << "Close"; }
    void setFileName(const QString& fileName) override { log << "File " + fileName; }
    void open() override { log << "Open"; }
    void sound() override { log << "Sound"; }
    QStringList log;
};

// Answers the file dialogs with the paths the test chose (none: the user cancels).
class AnsweringFileDialog final : public take_away::FileDialog {
public:
    QString chooseSave(QWidget* /*owner*/, const QString& /*title*/, const QString& suggestedName,
                       const QString& /*filter*/) override {
        suggested = suggestedName;
        return answer;
    }
    QStringList chooseOpen(QWidget* /*owner*/, const QString& /*title*/,
                           const QString& /*filter*/) override {
        return opened;
    }
    void used(const QString& path) override { usedPaths << path; }
    QString answer;
    QString suggested;
    QStringList opened;
    QStringList usedPaths;
};

// What the desktop's clipboard holds: the offscreen platform's own, in this process.
inline QString copiedText() {
    return QGuiApplication::clipboard()->mimeData()->text();
}
inline QString copiedHtml() {
    return QGuiApplication::clipboard()->mimeData()->html();
}

// What a window takes results away with: doubles of the dialogs and the real clipboard.
struct TakeAwayDoubles {
    take_away::SystemClipboard clipboard;
    AnsweringFileDialog dialog;
    AnsweringNotice notice;
    take_away::TakeAway takeAway{clipboard, dialog, notice};
};

// Stands in for time: the session's timers run but fire only when a test ticks them, so that a
// slow build (under the sanitizers) meets exactly the events a fast one does.
class StillTime final : public QObject {
public:
    void hold(const experiment_core::ExperimentSession& session) {
        for (const auto which : {experiment_core::Timer::LargeDie, experiment_core::Timer::SmallDie,
                                 experiment_core::Timer::Run}) {
            session.timer(which)->installEventFilter(this);
        }
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        return event->type() == QEvent::Timer;
    }
};
