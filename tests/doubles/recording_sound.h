// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "sound_control.h"

// Remembers every command it is given, in order, and sounds nothing.
class RecordingSound final : public sound::SoundControl {
public:
    void stop() override { log << QStringLiteral("Stop"); }
    void close() override { log << QStringLiteral("Close"); }
    void setFileName(const QString& fileName) override {
        log << QStringLiteral("File ") + fileName;
    }
    void open() override { log << QStringLiteral("Open"); }
    void sound() override { log << QStringLiteral("Sound"); }

    QStringList log;
};
