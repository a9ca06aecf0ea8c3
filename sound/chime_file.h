// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace sound {

// Where a chime's file is found: the working directory first, then the program's data
// folders (installed, then beside the built program). Empty when it is nowhere.
QString findSoundFile(const QString& fileName);

// A chime decoded into interleaved 16-bit samples, ready to play from memory.
struct Chime {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;

    [[nodiscard]] std::size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
};

// A chime lasts a second or two; nothing larger is read.
inline constexpr qint64 kLargestChimeFile = qint64{8} * 1024 * 1024;

// Decodes a WAV file held in memory with libsndfile. Only what a chime can be passes: PCM or
// float samples, 1 or 2 channels, 8 to 192 kHz, at least one frame, every size in the header
// agreeing with the bytes present, and every frame read. Anything else gives nothing.
std::optional<Chime> decodeChime(const QByteArray& bytes);

// Reads a chime from a regular file of at most kLargestChimeFile bytes, without blocking on
// special files, then decodes it. A missing, special, oversized or damaged file gives nothing.
std::optional<Chime> readChime(const QString& path);

}  // namespace sound
