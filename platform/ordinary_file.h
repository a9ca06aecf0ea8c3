// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// What came of reading a file whole.
struct FileContents {
    enum class Outcome { Read, Missing, NotOrdinary, TooLarge, Failed };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;      // empty unless read
    QString systemReason;  // the system's words, when reading failed
};

// Reads an ordinary file (or a link to one) of at most `largest` bytes, whole. It never waits:
// a FIFO, a device or a folder is refused without a byte read, even when it replaced the file
// since the user chose it.
FileContents readOrdinaryFile(const QString& path, qint64 largest);

}  // namespace platform
