// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "chime_file.h"
#include "sound_control.h"

class QAudioSink;
class QBuffer;

namespace platform {

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
