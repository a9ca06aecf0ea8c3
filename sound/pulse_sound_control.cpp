// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/pulse_sound_control.h"

#include <pulse/simple.h>

#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

namespace sound {

// What the control and the thread that plays a chime share; the last of them to let go
// frees it. A chime waits until the one before it has left the server, so that two chimes
// never sound at once: a stopped chime's last tenth of a second, still in the server's
// buffer, would otherwise sum with the next one.
struct PulseSoundControl::Playback {
    Playback(Chime played, std::shared_ptr<Playback> before)
        : chime(std::move(played)), previous(std::move(before)), ended(ending.get_future()) {}

    void play();
    void playOnServer();

    const Chime chime;
    std::atomic<bool> stopped{false};
    std::shared_ptr<Playback> previous;
    std::promise<void> ending;
    std::shared_future<void> ended;
};

void PulseSoundControl::Playback::play() {
    if (previous) {
        previous->ended.wait();
        previous.reset();
    }
    if (!stopped) {
        playOnServer();
    }
    ending.set_value();
}

void PulseSoundControl::Playback::playOnServer() {
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(chime.sampleRate),
                                static_cast<std::uint8_t>(chime.channels)};
    // Written a hundredth of a second at a time, so that "stop" is seen at once, with a tenth
    // of a second buffered on the server: enough that a busy machine does not make the chime
    // stutter, little enough that a stopped chime ends at once.
    const std::size_t block =
        static_cast<std::size_t>(chime.sampleRate / 100) * static_cast<std::size_t>(chime.channels);
    const auto blockBytes = static_cast<std::uint32_t>(block * sizeof(std::int16_t));
    const auto unset = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{unset, 10 * blockBytes, unset, unset, unset};
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Pellorin", PA_STREAM_PLAYBACK, nullptr, "Chime",
                                      &format, nullptr, &buffer, &error);
    if (stream == nullptr) {
        return;
    }
    bool written = true;
    for (std::size_t at = 0; written && !stopped && at < chime.samples.size(); at += block) {
        const std::size_t count = std::min(block, chime.samples.size() - at);
        written = pa_simple_write(stream, chime.samples.data() + at, count * sizeof(std::int16_t),
                                  &error) == 0;
    }
    // Ending the connection drops what a stopped chime has left in the buffer.
    if (written && !stopped) {
        pa_simple_drain(stream, &error);
    }
    pa_simple_free(stream);
}

PulseSoundControl::PulseSoundControl() = default;

PulseSoundControl::~PulseSoundControl() {
    close();
}

void PulseSoundControl::stop() {
    // The thread ends its connection at its next block; nothing waits for a sound server that
    // may be slow to answer. The next chime waits for it.
    if (playing_) {
        playing_->stopped = true;
    }
}

void PulseSoundControl::close() {
    stop();
    chime_.reset();
}

void PulseSoundControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void PulseSoundControl::open() {
    close();
    const QString path = findSoundFile(fileName_);
    if (!path.isEmpty()) {
        chime_ = readChime(path);
    }
}

void PulseSoundControl::sound() {
    stop();
    if (!chime_) {
        return;
    }
    playing_ = std::make_shared<Playback>(*chime_, std::move(playing_));
    std::thread([playback = playing_] { playback->play(); }).detach();
}

}  // namespace sound

// The module's one entry point.
extern "C" Q_DECL_EXPORT sound::SoundControl* pellorinCreateSoundControl() {
    return new sound::PulseSoundControl();
}
