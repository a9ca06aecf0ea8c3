// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ordinary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace platform {

FileContents readOrdinaryFile(const QString& path, qint64 largest) {
    using Outcome = FileContents::Outcome;
    FileContents contents;
    // Without blocking: opening a FIFO would wait for a writer. What was opened is checked.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        contents.outcome = errno == ENOENT ? Outcome::Missing : Outcome::Failed;
        contents.systemReason = qt_error_string(errno);
        return contents;
    }
    struct stat status {};
    QFile file;
    if (::fstat(descriptor, &status) != 0) {
        contents.systemReason = qt_error_string(errno);
    } else if (!S_ISREG(status.st_mode)) {
        contents.outcome = Outcome::NotOrdinary;
    } else if (status.st_size > largest) {
        contents.outcome = Outcome::TooLarge;
    } else if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        contents.systemReason = file.errorString();
    } else {
        // The file may have grown since: a byte more than allowed tells.
        contents.bytes = file.read(largest + 1);
        contents.outcome = contents.bytes.size() <= largest ? Outcome::Read : Outcome::TooLarge;
        if (file.error() != QFileDevice::NoError) {
            contents.outcome = Outcome::Failed;
            contents.systemReason = file.errorString();
        }
    }
    file.close();
    ::close(descriptor);
    if (contents.outcome != Outcome::Read) {
        contents.bytes.clear();
    }
    return contents;
}

}  // namespace platform
