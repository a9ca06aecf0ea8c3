// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "sound/chime_file.h"
#include "sound/sound_control.h"

namespace sound {

// Plays chimes from memory on the desktop's sound server (PulseAudio, or PipeWire in its
// place), each chime on a connection of its own made when it sounds and ended by the next
// "stop": a sound server that restarts meets the next chime afresh, and nothing of a chime
// outlives the control. Each chime plays in a thread of its own, so no command ever waits
// for the server. "open" reads and checks the file afresh each time.
class PulseSoundControl final : public SoundControl {
public:
    PulseSoundControl();
    ~PulseSoundControl() override;
    PulseSoundControl(const PulseSoundControl&) = delete;
    PulseSoundControl& operator=(const PulseSoundControl&) = delete;

    void stop() override;
    void close() override;
    void setFileName(const QString& fileName) override;
    void open() override;
    void sound() override;

    // The chime that "open" read and checked; empty when there is nothing to play.
    [[nodiscard]] const std::optional<Chime>& openedChime() const { return chime_; }

private:
    struct Playback;

    QString fileName_;
    std::optional<Chime> chime_;
    std::shared_ptr<Playback> playing_;
};

}  // namespace sound
