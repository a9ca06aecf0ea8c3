// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the bytes, the chime reader gives nothing or a chime of the shape it promises.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "sound/chime_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto chime =
        sound::decodeChime(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    if (!chime) {
        return 0;
    }
    const bool shapeOk =
        (chime->channels == 1 || chime->channels == 2) && chime->sampleRate >= 8000 &&
        chime->sampleRate <= 192000 && chime->frames() > 0 &&
        chime->samples.size() == chime->frames() * chime->channels && chime->samples.size() <= size;
    if (!shapeOk) {
        __builtin_trap();
    }
    return 0;
}
