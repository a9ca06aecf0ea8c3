// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "accessibility.h"
#include "notice_box.h"

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
