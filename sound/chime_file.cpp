// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/chime_file.h"

#include <sndfile.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <memory>

#include "platform/ordinary_file.h"

namespace sound {

namespace {

// libsndfile reads the bytes through these callbacks.
struct MemoryFile {
    const QByteArray& bytes;
    sf_count_t position = 0;
};

sf_count_t memoryLength(void* user) {
    return static_cast<MemoryFile*>(user)->bytes.size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t size = file->bytes.size();
    const sf_count_t base = whence == SEEK_CUR ? file->position : (whence == SEEK_END ? size : 0);
    // A header's sizes can be anything: the bounds are checked before the offset is added,
    // so that no sum can overflow.
    if (offset < -base || offset > size - base) {
        return -1;
    }
    file->position = base + offset;
    return file->position;
}

sf_count_t memoryRead(void* destination, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t available = file->bytes.size() - file->position;
    const sf_count_t taken = count < available ? count : available;
    if (taken > 0) {
        std::memcpy(destination, file->bytes.constData() + file->position,
                    static_cast<std::size_t>(taken));
        file->position += taken;
    }
    return taken > 0 ? taken : 0;
}

sf_count_t memoryWrite(const void* /*source*/, sf_count_t /*count*/, void* /*user*/) {
    return 0;
}

sf_count_t memoryTell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

// Bytes a sample takes in the file, for the encodings a chime may use; 0 for any other.
int bytesPerSample(int format) {
    const int major = format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX) {
        return 0;
    }
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_U8:
            return 1;
        case SF_FORMAT_PCM_16:
            return 2;
        case SF_FORMAT_PCM_24:
            return 3;
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
            return 4;
        default:
            return 0;
    }
}

// libsndfile notes each size in a header that disagrees with the bytes present ("data : N
// (should be M)") and each damaged chunk ("***") in its log, and then reads on; a chime with
// such a header is truncated or forged.
bool headerAgreesWithBytes(SNDFILE* file) {
    std::array<char, 8192> log{};
    sf_command(file, SFC_GET_LOG_INFO, log.data(), static_cast<int>(log.size()));
    const QByteArray text(log.data());
    return !text.contains("should be") && !text.contains("***");
}

using SoundFile = std::unique_ptr<SNDFILE, int (*)(SNDFILE*)>;

}  // namespace

QString findSoundFile(const QString& fileName) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList places = {QDir::currentPath(),
                                programDir + QStringLiteral("/../share/pellorin"), programDir};
    for (const QString& place : places) {
        const QFileInfo candidate(QDir(place), fileName);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

std::optional<Chime> decodeChime(const QByteArray& bytes) {
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile memory{bytes};
    SF_INFO info{};
    SoundFile file(sf_open_virtual(&io, SFM_READ, &info, &memory), sf_close);
    if (!file) {
        return std::nullopt;
    }
    const int width = bytesPerSample(info.format);
    const bool shapeOk =
        width > 0 && (info.channels == 1 || info.channels == 2) && info.samplerate >= 8000 &&
        info.samplerate <= 192000 && info.frames > 0 &&
        info.frames <= bytes.size() / (static_cast<sf_count_t>(info.channels) * width);
    if (!shapeOk || !headerAgreesWithBytes(file.get())) {
        return std::nullopt;
    }
    Chime chime;
    chime.channels = info.channels;
    chime.sampleRate = info.samplerate;
    chime.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    if (sf_readf_short(file.get(), chime.samples.data(), info.frames) != info.frames) {
        return std::nullopt;
    }
    return chime;
}

std::optional<Chime> readChime(const QString& path) {
    const platform::FileContents file = platform::readOrdinaryFile(path, kLargestChimeFile);
    if (file.outcome != platform::FileContents::Outcome::Read) {
        return std::nullopt;
    }
    return decodeChime(file.bytes);
}

}  // namespace sound
