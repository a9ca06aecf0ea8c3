// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>

#include "doubles/desktop_doubles.h"
#include "support/printing.h"
#include "take_away.h"

namespace {

// What the user does in each modal window that opens next, in turn: in a file dialog, types
// the answer as the name and accepts it (an empty answer cancels); to a question, says No.
// What each file dialog showed first, its folder and the name offered, goes into `seen`
// (shown again after a question, it shows what Qt's own completion made of the name).
void answerModals(QStringList answers, QStringList* seen) {
    auto* poll = new QTimer(qApp);
    QObject::connect(
        poll, &QTimer::timeout, poll,
        [=, last = (QWidget*)nullptr, met = QList<QWidget*>()]() mutable {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last || answers.isEmpty()) {
                return;
            }
            last = modal;
            const QString answer = answers.takeFirst();
            if (auto* question = qobject_cast<QMessageBox*>(modal)) {
                question->button(QMessageBox::No)->click();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!met.contains(files)) {
                    *seen << files->directory().absolutePath() + "|" + name->text();
                }
                met << files;
                name->setText(answer);
                QMetaObject::invokeMethod(files, answer.isEmpty() ? "reject" : "accept",
                                          Qt::QueuedConnection);
            }
        });
    poll->start(10);
}

// A new account has no documents folder: the first dialog opens at home with no name typed
// in, and files chosen together come back in the order chosen. The save dialog adds the
// extension a typed name lacks, asks before replacing the file the name then points to, and
// opens in the folder of the last file saved or read; a save that failed leaves it as it was.
TEST(FileDialog, KeepsToTheUsersFilesAndFolders) {
    const QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString theirs = home.filePath("class");
    QDir(home.path()).mkdir("class");
    for (const QString file : {"a.csv", "b.csv", "class/mine.png"}) {
        QFile(home.filePath(file)).open(QIODevice::WriteOnly);
    }
    take_away::SystemFileDialog dialog;
    QStringList seen;
    const auto save = [&dialog] {
        return dialog.chooseSave(nullptr, "Save", "pellorin-graph.png", "PNG (*.png)");
    };
    answerModals({"\"b.csv\" \"a.csv\""}, &seen);
    EXPECT_EQ(dialog.chooseOpen(nullptr, "Open", "(*.csv)"),
              QStringList({home.filePath("b.csv"), home.filePath("a.csv")}));
    dialog.used(home.filePath("class/mine.png"));
    answerModals({"mygraph"}, &seen);
    EXPECT_EQ(save(), theirs + "/mygraph.png");
    answerModals({"mine", "No", ""}, &seen);
    EXPECT_EQ(save(), "");
    RecordingClipboard clipboard;
    AnsweringNotice notice;
    QFile::link(home.filePath("nowhere"), home.filePath("broken.png"));
    answerModals({home.filePath("broken.png")}, &seen);
    take_away::saveWithDialog({clipboard, dialog, notice}, nullptr, "Save", "pellorin-graph.png",
                              "PNG (*.png)", "bytes");
    ASSERT_EQ(notice.shown.size(), 1U);
    answerModals({""}, &seen);
    save();
    qputenv("HOME", realHome);
    const QString offered = theirs + "|pellorin-graph.png";
    EXPECT_EQ(seen, QStringList({home.path() + "|", offered, offered, offered, offered}));
}

// What a folder holds: each entry's name and kind, and an ordinary file's bytes.
QString folderContents(const QString& folder) {
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

// Saves (of a CSV file, a picture or a page alike) to each place a save must refuse: a folder, a
// FIFO, a link to nothing, a vanished folder, and a file on a disk that fills while the new one is
// written (as far as this process can tell: a file-size limit, with the signal it would raise
// ignored). Each time the notice names the file and says exactly why, and nothing in the folder
// changes.
TEST(SaveWithDialog, RefusesEveryTargetThatCannotTakeTheFileWhole) {
    RecordingClipboard clipboard;
    AnsweringFileDialog dialog;
    AnsweringNotice notice;
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
        dialog.answer = path;
        take_away::saveWithDialog({clipboard, dialog, notice}, nullptr, "Save", "throws.csv",
                                  "CSV (*.csv)", QByteArray(4096, '1'));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previous);
        EXPECT_EQ(notice.shown.back().text, path + " could not be saved: " + reason);
        EXPECT_EQ(folderContents(folder.path()), before) << reason;
    }
}

}  // namespace
