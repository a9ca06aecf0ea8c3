// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away/whole_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/ordinary_file.h"

namespace take_away {

namespace {

QString writeFailure(const QString& reason) {
    //: why a file could not be saved; %1: the system's reason
    return QCoreApplication::translate("TakeAway",
                                       "Writing failed (%1); a file of that name is as it was.")
        .arg(reason);
}

}  // namespace

QString saveWhole(const QString& path, const QByteArray& bytes) {
    // A link counts as what it leads to; a device, a FIFO or a link to nothing would be
    // replaced by an ordinary file.
    const QFileInfo target(path);
    if (target.isDir()) {
        return QCoreApplication::translate("TakeAway", "It is a folder.");
    }
    if ((target.exists() || target.isSymLink()) && !target.isFile()) {
        return QCoreApplication::translate("TakeAway", "It is not an ordinary file.");
    }
    // Marked read-only, whoever may still write it: the mark is the owner's wish.
    if (target.exists() && (!target.permission(QFileDevice::WriteOwner) || !target.isWritable())) {
        return QCoreApplication::translate("TakeAway", "It is read-only.");
    }
    if (!target.absoluteDir().exists()) {
        return QCoreApplication::translate("TakeAway", "Its folder does not exist.");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        //: why a file could not be saved; %1: the system's reason
        return QCoreApplication::translate("TakeAway", "No file can be made in its folder (%1).")
            .arg(file.errorString());
    }
    // A short write is followed by another, which tells why the disk took no more; on any
    // failure the new file never takes the place of the one it would replace.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return writeFailure(reason);
        }
        written += step;
    }
    if (!file.commit()) {
        return writeFailure(file.errorString());
    }
    return {};
}

QByteArray readWhole(const QString& path, qint64 largest, QString* problem) {
    using Outcome = platform::FileContents::Outcome;
    platform::FileContents file = platform::readOrdinaryFile(path, largest);
    switch (file.outcome) {
        case Outcome::Read:
            problem->clear();
            break;
        case Outcome::Missing:
            *problem = QCoreApplication::translate("TakeAway", "It is not there any more.");
            break;
        case Outcome::NotOrdinary:
            *problem = QCoreApplication::translate("TakeAway", "It is not an ordinary file.");
            break;
        case Outcome::TooLarge:
            //: why a file could not be read; %1: the largest size in MiB
            *problem = QCoreApplication::translate("TakeAway", "It is larger than %1 MiB.")
                           .arg(largest / (qint64{1024} * 1024));
            break;
        case Outcome::Failed:
            //: why a file could not be read; %1: the system's reason
            *problem = QCoreApplication::translate("TakeAway", "Reading failed (%1).")
                           .arg(file.systemReason);
            break;
    }
    return std::move(file.bytes);
}

}  // namespace take_away
