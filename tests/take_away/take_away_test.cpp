// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <dlfcn.h>

#include <QFileDialog>
#include <QTemporaryDir>
#include <csignal>

#include "doubles/desktop_doubles.h"
#include "support/files.h"
#include "support/printing.h"
#include "take_away/take_away.h"

// While set, the rename that puts a saved file in the place of the one it replaces fails, as on a
// file system that refuses it at the last moment.
bool refuseRename = false;

extern "C" int rename(const char* from, const char* to) {
    static const auto next = reinterpret_cast<decltype(&rename)>(dlsym(RTLD_NEXT, "rename"));
    return refuseRename ? (errno = EPERM, -1) : next(from, to);
}

namespace {

// A new account has no documents folder: the first dialogs open at home, the save dialog with
// the suggested name. The save dialog adds the suggested extension to a name typed without
// one and asks before replacing a file; the open dialog takes several files. Both open in the
// folder of the last file saved or read.
TEST(FileDialog, OpensWhereTheUsersFilesAre) {
    const QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    take_away::SystemFileDialog dialog;
    const auto opening = [&dialog] {
        const auto save = dialog.saveDialog(nullptr, "Save", "pellorin-graph.png", "PNG (*.png)");
        const auto open = dialog.openDialog(nullptr, "Open", "CSV (*.csv)");
        EXPECT_TRUE(save->acceptMode() == QFileDialog::AcceptSave &&
                    save->defaultSuffix() == "png" &&
                    !save->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFiles);
        return save->selectedFiles().value(0) + " " + open->directory().absolutePath();
    };
    EXPECT_EQ(opening(), home.filePath("pellorin-graph.png") + " " + home.path());
    QDir(home.path()).mkdir("class");
    dialog.used(home.filePath("class/mine.png"));
    EXPECT_EQ(opening(), home.filePath("class/pellorin-graph.png") + " " + home.filePath("class"));
    qputenv("HOME", realHome);
}

// What a folder holds: each entry's name, and an ordinary file's size (a link to one too).
QString folderContents(const QString& folder) {
    QString contents;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        contents += entry.fileName() + (entry.isFile() ? QString::number(entry.size()) : "") + " ";
    }
    return contents;
}

// Saves (of a CSV file, a picture or a page alike) to each place a save must refuse: a folder, a
// FIFO, a link to nothing, a vanished folder, a file marked read-only (refused even to root), and
// a file on a disk that fills while the new one is written (as far as this process can tell: a
// file-size limit, with the signal it would raise ignored), and a file whose replacement is
// refused at the last step. Each time the notice names the file and says exactly why, and
// nothing in the folder changes.
TEST(SaveWithDialog, RefusesEveryTargetThatCannotTakeTheFileWhole) {
    take_away::SystemClipboard clipboard;
    AnsweringFileDialog dialog;
    AnsweringNotice notice;
    const QTemporaryDir folder;
    const auto at = [&folder](const char* name) { return folder.filePath(name); };
    QDir().mkdir(at("folder"));
    ::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600);
    QFile::link(at("nowhere"), at("broken-link"));
    write(at("kept"), "the teacher's file");
    QFile::copy(at("kept"), at("read-only"));
    QFile::setPermissions(at("read-only"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const std::vector<std::pair<QString, QString>> targets = {
        {at("folder"), "It is a folder."},
        {at("fifo"), "It is not an ordinary file."},
        {at("broken-link"), "It is not an ordinary file."},
        {at("gone/file"), "Its folder does not exist."},
        {at("read-only"), "It is read-only."},
        {at("kept"), "Writing failed (File too large); a file of that name is as it was."},
        {at("kept"),
         "Writing failed (Operation not permitted); a file of that name is as it was."}};
    for (const auto& [path, reason] : targets) {
        const QString before = folderContents(folder.path());
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const bool full = reason.contains("too large");
        refuseRename = reason.contains("not permitted");
        const rlimit nearlyFull{full ? 64 : unlimited.rlim_cur, unlimited.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &nearlyFull);
        dialog.answer = path;
        take_away::saveWithDialog({clipboard, dialog, notice}, nullptr, "Save", "throws.csv",
                                  "CSV (*.csv)", QByteArray(4096, '1'));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previous);
        refuseRename = false;
        EXPECT_EQ(notice.shown.back().text, path + " could not be saved: " + reason);
        EXPECT_EQ(folderContents(folder.path()), before) << reason;
    }
    EXPECT_TRUE(dialog.usedPaths.isEmpty()) << "the next dialog opens where it did";
}

}  // namespace
