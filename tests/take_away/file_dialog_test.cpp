// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "doubles/desktop_doubles.h"
#include "support/printing.h"
#include "take_away.h"

namespace {

// Does to each modal window that opens next what a user would, in turn: `steps` get the
// window and return whether they handled it.
void whenModalOpens(std::vector<std::function<void(QWidget*)>> steps) {
    auto remaining = std::make_shared<decltype(steps)>(std::move(steps));
    auto* poll = new QTimer(qApp);
    QWidget* last = nullptr;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, remaining, last]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last) {
            return;
        }
        last = modal;
        const auto step = remaining->front();
        remaining->erase(remaining->begin());
        if (remaining->empty()) {
            poll->deleteLater();
        }
        step(modal);
    });
    poll->start(10);
}

// Types a name into the file dialog and accepts it, noting the folder it opened in.
std::function<void(QWidget*)> typeName(const QString& name, QString* openedIn) {
    return [name, openedIn](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        *openedIn = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    };
}

// The file dialog adds the extension a typed name lacks, asks before replacing the file the
// name then points to, and opens in the folder of the last file saved; a save that failed
// leaves that folder as it was.
TEST(FileDialog, AddsTheExtensionAsksBeforeReplacingAndRemembersSavedFolders) {
    QTemporaryDir folder;
    take_away::SystemFileDialog dialog;
    dialog.used(folder.filePath(QStringLiteral("earlier.png")));
    QString openedIn;
    whenModalOpens({typeName(QStringLiteral("mygraph"), &openedIn)});
    const QString chosen = dialog.chooseSave(nullptr, "Save", "pellorin-graph.png", "PNG (*.png)");
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("mygraph.png")));
    EXPECT_EQ(openedIn, folder.path());

    // The file now exists: the dialog asks, the user says no and cancels.
    QFile existing(chosen);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    bool asked = false;
    whenModalOpens({typeName(QStringLiteral("mygraph"), &openedIn),
                    [&asked](QWidget* window) {
                        auto* question = qobject_cast<QMessageBox*>(window);
                        asked = question != nullptr;
                        ASSERT_TRUE(asked);
                        question->button(QMessageBox::No)->click();
                    },
                    [](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); }});
    EXPECT_TRUE(dialog.chooseSave(nullptr, "Save", "pellorin-graph.png", "PNG (*.png)").isEmpty());
    EXPECT_TRUE(asked);

    // A save into a folder that is gone fails; the next dialog opens where the last file
    // was saved.
    RecordingClipboard clipboard;
    AnsweringNotice notice;
    whenModalOpens({typeName(folder.filePath(QStringLiteral("gone/graph")), &openedIn)});
    take_away::saveWithDialog({clipboard, dialog, notice}, nullptr, "Save", "pellorin-graph.png",
                              "PNG (*.png)", "bytes");
    ASSERT_EQ(notice.shown.size(), 1U);
    whenModalOpens({typeName(QStringLiteral("again"), &openedIn)});
    dialog.chooseSave(nullptr, "Save", "pellorin-graph.png", "PNG (*.png)");
    EXPECT_EQ(openedIn, folder.path());
}

// A new account has no documents folder: the first dialog opens in the home folder with its
// name field empty. Files chosen together come back in the order chosen.
TEST(FileDialog, OpensAtHomeWithoutDocumentsAndGivesFilesInTheOrderChosen) {
    const QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* name : {"a.csv", "b.csv"}) {
        QFile file(home.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString openedIn;
    QString typedIn;
    whenModalOpens({[&openedIn, &typedIn](QWidget* window) {
        auto* files = qobject_cast<QFileDialog*>(window);
        typedIn = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        typeName(QStringLiteral("\"b.csv\" \"a.csv\""), &openedIn)(window);
    }});
    const QStringList chosen = take_away::SystemFileDialog().chooseOpen(nullptr, "Open", "(*.csv)");
    qputenv("HOME", realHome);
    EXPECT_EQ(chosen, QStringList({home.filePath("b.csv"), home.filePath("a.csv")}));
    EXPECT_EQ(openedIn, home.path());
    EXPECT_EQ(typedIn, "");
}

}  // namespace
