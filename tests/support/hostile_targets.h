// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "doubles/desktop_doubles.h"
#include "support/printing.h"

// What a folder holds: each entry's name and kind, and an ordinary file's bytes.
inline QString folderContents(const QString& folder) {
    QString contents;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        contents += entry.fileName() + (entry.isSymLink() ? " link" : "") +
                    (entry.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll().toHex()
                                                                      : QByteArray(" other")) +
                    "\n";
    }
    return contents;
}

// Saves to each place a save must refuse: a folder, a FIFO, a link to nothing, a vanished
// folder, and a file on a disk that fills while the new one is written (as far as this
// process can tell: a file-size limit, with the signal it would raise ignored). Each time the
// notice names the file and says exactly why, and nothing in the folder changes.
inline void expectEveryHostileTargetRefused(const std::function<void(const QString&)>& save,
                                            const AnsweringNotice& notice) {
    const QTemporaryDir folder;
    const auto at = [&folder](const char* name) { return folder.filePath(name); };
    QDir().mkdir(at("folder"));
    ::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600);
    QFile::link(at("nowhere"), at("broken-link"));
    QFile kept(at("kept"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("the teacher's file") > 0);
    kept.close();
    const std::vector<std::pair<QString, QString>> targets = {
        {at("folder"), "It is a folder."},
        {at("fifo"), "It is not an ordinary file."},
        {at("broken-link"), "It is not an ordinary file."},
        {at("gone/file"), "Its folder does not exist."},
        {at("kept"), "Writing failed (File too large); a file of that name is as it was."}};
    for (const auto& [path, reason] : targets) {
        const QString before = folderContents(folder.path());
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit nearlyFull{path == at("kept") ? 64 : unlimited.rlim_cur, unlimited.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &nearlyFull);
        save(path);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previous);
        EXPECT_EQ(notice.shown.back().text, path + " could not be saved: " + reason);
        EXPECT_EQ(folderContents(folder.path()), before) << reason;
    }
}
