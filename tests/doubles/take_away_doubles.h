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

// Answers the file dialog with the path the test chose (empty: the user cancels).
class AnsweringSaveDialog final : public take_away::SaveDialog {
public:
    QString choose(QWidget* /*owner*/, const QString& /*title*/, const QString& suggestedName,
                   const QString& /*filter*/) override {
        suggested = suggestedName;
        return answer;
    }
    void saved(const QString& /*path*/) override {}

    QString answer;
    QString suggested;
};
