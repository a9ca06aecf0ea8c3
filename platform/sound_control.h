// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "chime_file.h"

class QAudioSink;
class QBuffer;

namespace platform {

// A sound control driven by commands, as a window holds one hidden. Every command returns at
// once; none waits for a sound to end, and none reports a failure: a chime that cannot sound
// simply stays silent.
class SoundControl {
public:
    virtual ~SoundControl() = default;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void setFileName(const QString& fileName) = 0;
    virtual void open() = 0;
    virtual void sound() = 0;
};

// Where a chime's file is found: the working directory first, then the program's data
// folders (installed, then beside the built program). Empty when it is nowhere.
QString findSoundFile(const QString& fileName);

// Plays chimes from memory through Qt Multimedia's audio sink. "open" reads and checks the
// file afresh each time, so a file repaired since the last chime plays; no audio thread of
// Qt's ever reads a file.
class SinkSoundControl final : public SoundControl {
public:
    SinkSoundControl();
    ~SinkSoundControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString& fileName) override;
    void open() override;
    void sound() override;

    // The chime that "open" read and checked; empty when there is nothing to play.
    [[nodiscard]] const std::optional<Chime>& openedChime() const { return chime_; }

private:
    QString fileName_;
    std::optional<Chime> chime_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace platform
