// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <vector>

// A nearly full disk, as far as this process can tell: a file-size limit, with the signal it
// would raise ignored, so that a write past the limit fails as a full disk's would.
class NearlyFullDisk {
public:
    explicit NearlyFullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~NearlyFullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    NearlyFullDisk(const NearlyFullDisk&) = delete;
    NearlyFullDisk& operator=(const NearlyFullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// Places a save must refuse, made in a scratch folder, each with the reason the notice gives.
// The last is an ordinary file on a disk that fills while the new one is written.
struct HostileTarget {
    const char* name;
    QString path;
    QString reason;
    bool fullDisk = false;
};

inline std::vector<HostileTarget> hostileTargets(const QTemporaryDir& folder) {
    const auto at = [&folder](const char* name) {
        return folder.filePath(QString::fromUtf8(name));
    };
    QDir().mkdir(at("folder"));
    ::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600);
    QFile::link(at("nowhere"), at("broken-link"));
    QFile kept(at("kept"));
    if (kept.open(QIODevice::WriteOnly)) {
        kept.write("the teacher's file\n");
    }
    return {{"a folder", at("folder"), "It is a folder."},
            {"a FIFO", at("fifo"), "It is not an ordinary file."},
            {"a link to nothing", at("broken-link"), "It is not an ordinary file."},
            {"a vanished folder", at("gone/file"), "Its folder does not exist."},
            {"a file on a full disk", at("kept"),
             "Writing failed (File too large); a file of that name is as it was.", true}};
}

// What the scratch folder holds: each entry's name, kind and bytes.
inline QString folderContents(const QTemporaryDir& folder) {
    QString contents;
    for (const QFileInfo& entry :
         QDir(folder.path())
             .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        const bool regular = entry.isFile() && file.open(QIODevice::ReadOnly);
        contents += entry.fileName() +
                    (entry.isSymLink() ? " link"
                     : entry.isDir()   ? " dir"
                                       : "") +
                    (regular ? " " + QString::fromUtf8(file.readAll().toHex()) : "") + "\n";
    }
    return contents;
}
