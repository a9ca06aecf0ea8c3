// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

namespace platform {

// A sound control driven by commands, as a window holds one hidden. Every command
// returns at once; none waits for a sound to end, and none reports a failure: a chime that
// cannot sound simply stays silent.
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

// Plays WAV files through Qt Multimedia.
class EffectSoundControl final : public SoundControl {
public:
    EffectSoundControl();
    ~EffectSoundControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString& fileName) override;
    void open() override;
    void sound() override;

private:
    QString fileName_;
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace platform
