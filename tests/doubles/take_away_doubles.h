// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "take_away.h"

// Keeps what was put on it.
class RecordingClipboard final : public take_away::Clipboard {
public:
    void putText(const QString& putText, const QString& putHtml) override {
        text = putText;
        html = putHtml;
    }
    void putImage(const QImage& putImage) override { image = putImage; }

    QString text;
    QString html;
    QImage image;
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
    void used(const QString& /*path*/) override {}

    QString answer;
    QString suggested;
    QStringList opened;
};
