// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the bytes, the chime reader returns, within its bounds and without undefined
// behaviour; what it accepts the refusal table checks.
#include <QByteArray>
#include <cstdint>

#include "sound/chime_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sound::decodeChime(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    return 0;
}
